#pragma once
// A countdown in logic steps.

#include <memory>

class TCounter {
public:
    int Active = 0;
    float Counter = 0;
    int CounterLength = 1000;

    static std::shared_ptr<TCounter> Create(float ms, int activate);
    void Activate();
    void Stop();
    // 1 on the step the countdown ends.
    int Manage();
};
