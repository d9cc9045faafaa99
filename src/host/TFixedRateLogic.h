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
    // The loop is about to wait for input on purpose, for at most `ms`: the next Calc counts the
    // whole frame, wait included, as steps (however long it was, up to the wait and a frame
    // more), and leaves the smoothing as it was, so a still screen may sleep long and lose no
    // game time.
    void BeginChosenWait(int ms);
    // Steps of the last Calc that stand for time spent in a chosen wait, before the input that
    // may have ended it: the loop runs them before it reads that input.
    int WaitedSteps = 0;
    void SetDefaultFramerate(int rate);
    void HistoryClear();
    // Milliseconds as logic steps.
    [[nodiscard]] float CalcAnimLength(float ms) const { return ms / MS; }

private:
    float& Delta;
    // The longest chosen wait begun since the last Calc, in milliseconds; 0 for none.
    int ChosenWaitMs = 0;
};
