#pragma once
// A timer of up to 50 phases, counting logic steps, used by many effects.

#include <array>
#include <memory>

// The frame shown for counter c in a run of length l over `frames` frames. With rising 1 a
// rising counter walks the frames forwards, with 0 a falling one does. Always within 0..frames-1.
int FrameFromCounter(float c, float l, int frames, int rising);

class TAnimation {
public:
    static constexpr int MAX_PHASES = 50;

    int Active = 0;
    float Counter = 0;
    int CurrentPhase = 0;
    int Finished = 0;
    int TotalPhases = 1;
    int Cycle = 0;
    std::array<float, MAX_PHASES> Length{};
    int LeaveActive = 0;
    int Reverse = 0;

    virtual ~TAnimation() = default;

    void Init(float ms, int leaveActive, int reverse, int cycle);
    // Phases past the fiftieth are ignored.
    void AddPhase(float ms);
    void Start();
    void Reset();
    void Stop();
    void Clear();
    // 1 on the step a phase ends.
    virtual int Manage();
    void EndAnim();
    float GetRatio() const;
    float GetRatioInv() const;
    float GetRatioSine() const;
    float GetRatioInvSine() const;
};
