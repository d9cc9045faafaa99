#pragma once
// A one-shot countdown in logic steps, for the power animations: its ratio falls from 1 to 0.

#include <algorithm>

class TStepTimer {
public:
    bool Active = false;
    float Counter = 0;
    float Length = 1;

    void Start(float length) {
        Length = std::max(length, 1.0f);
        Counter = Length;
        Active = true;
    }
    void Stop() {
        Counter = 0;
        Active = false;
    }
    // Advances the timer; true on the pass it runs out.
    bool Manage(float delta) {
        if (!Active) return false;
        Counter -= delta;
        if (Counter > 0) return false;
        Stop();
        return true;
    }
    float GetRatio() const { return Counter / Length; }
};
