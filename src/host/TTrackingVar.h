#pragma once
// A value with a remembered maximum, shown in the debug overlay; the base of the timers.

#include <string>

class TTrackingVar {
public:
    virtual ~TTrackingVar() = default;

    int Current = 0;
    int maximum = 0;
    int displayLimit = 999;
    int displayLimitChars = 3;
    std::string Label;

    virtual void Init();
    void Display(float x, float y) const;
    virtual std::string GetDisplay() const;

protected:
    std::string Padded(int value) const;
};

// A stopwatch in milliseconds.
class TDebugVar : public TTrackingVar {
public:
    void Start();
    void Calc();
};

// Frames drawn per second.
class TFPSCounter : public TTrackingVar {
public:
    int counter = 0;
    int time = 0;
    int framerate = 0;
    int minimum = 999;

    void Init() override;
    std::string GetDisplay() const override;
    void Calc();
};
