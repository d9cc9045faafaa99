#pragma once
// Repeats clicking while a mouse button is held: a click at once, another after the initial
// delay, then one every repeat delay (for arrows and spinners that step while held).

class TMouseRepeat {
public:
    int InitialDelayLength = 0;     // milliseconds
    float InitialDelayCounter = 0;  // logic steps left of the initial delay
    int DelayLength = 0;            // milliseconds
    int DelayCounter = 0;           // whole logic steps left of the repeat delay
    int LastState = 0;

    static TMouseRepeat Create(int initialDelayMs, int repeatDelayMs);
    // Any mouse button held: 1 on the first step, 2 on a repeat, else 0.
    int GetButton();
};
