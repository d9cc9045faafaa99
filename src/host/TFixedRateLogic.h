#pragma once
// Turns the real time of each frame into a number of fixed 5 ms logic steps, smoothed over
// recent frames so that a jittery clock does not make movement stutter.

#include <functional>
#include <vector>

class TFixedRateLogic {
public:
    int FramerateDefault = 200;
    float Framerate = 200.0f;
    double LastTime = 0;
    double TmpMS = 0;
    double NumTicks = 0;
    double LastNumTicks = 0;
    float MS = 0;
    float DeltaMultiplier = 1.0f;
    float FullDelta = 0;
    int Threshold = 50;
    int JitterCorrection = 1;
    int HistorySize = 1;
    int HistorySizeMax = 50;
    std::vector<int> History;
    int HistoryCounter = 0;
    int First = 0;
    int FirstMax = 5;
    int IgnoreHistoryOnSpeedUp = 1;

    // The millisecond clock; tests replace it.
    std::function<int()> Clock;

    // `delta` receives the length of the pass now running, in steps (Delta).
    explicit TFixedRateLogic(float& delta);
    TFixedRateLogic(const TFixedRateLogic&) = delete;
    TFixedRateLogic& operator=(const TFixedRateLogic&) = delete;

    // Whether frames wait for the vertical blank: a frame that came early then is no stall.
    bool VSync = false;

    void Init();
    void Create();
    void CalcMS();
    void SetThreshold(int ms);
    void Calc();
    void SetDelta(float f);
    void SetDefaultFramerate(int rate);
    void HistoryClear();
    // Milliseconds as logic steps.
    [[nodiscard]] float CalcAnimLength(float ms) const { return ms / MS; }

private:
    float& Delta;
};
