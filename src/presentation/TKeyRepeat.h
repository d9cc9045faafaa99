#pragma once
// Repeats a held key: one press at once, another after the initial delay, then one every
// repeat delay, the way a text cursor or a scrolling list expects.

class TKeyRepeat {
public:
    int InitialDelayLength = 0;     // milliseconds
    float InitialDelayCounter = 0;  // logic steps left of the initial delay
    int DelayLength = 0;            // milliseconds
    int DelayCounter = 0;           // whole logic steps left of the repeat delay
    int LastState = 0;

    static TKeyRepeat Create(int initialDelayMs, int repeatDelayMs);
    // 1 on the first step the key is down and on every repeat, else 0.
    int GetKey(int keyCode);
};
