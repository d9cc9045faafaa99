#pragma once
// What one logic pass of the play screen hands to the rules.

class TPassInput {
public:
    // Length of this pass in logic steps.
    float Delta = 1;
    int MouseX = 0;
    int MouseY = 0;
    // The left button went down since the last pass.
    bool MouseHit = false;
    // The millisecond clock, for the few waits measured in wall-clock time.
    double Now = 0;
};
