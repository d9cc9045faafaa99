#include "presentation/TAnimation.h"

#include <cmath>
#include <numbers>

#include "presentation/TPresentationContext.h"
#include "presentation/Timing.h"

namespace {

float SinDegrees(float degrees) {
    return static_cast<float>(std::sin(degrees * std::numbers::pi / 180.0));
}

}  // namespace

int FrameFromCounter(float c, float l, int frames, int rising) {
    if (frames < 1) return 0;
    // A zero-length run has nothing to walk: it shows its end frame instead of dividing by 0.
    if (!(l > 0)) return rising ? frames - 1 : 0;
    const float r = c / l;
    const float raw =
        rising ? r * static_cast<float>(frames) : static_cast<float>(frames) * (1 - r);
    if (!(raw >= 0)) return 0;
    if (raw >= static_cast<float>(frames)) return frames - 1;
    return static_cast<int>(std::floor(raw));
}

void TAnimation::Init(float ms, int leaveActive, int reverse, int cycle) {
    Length[0] = StepsFromMs(ms);
    LeaveActive = leaveActive;
    Reverse = reverse;
    Cycle = cycle;
    CurrentPhase = 0;
    TotalPhases = 1;
    Finished = 0;
}

void TAnimation::AddPhase(float ms) {
    if (TotalPhases >= MAX_PHASES) return;
    Length[static_cast<size_t>(TotalPhases)] = StepsFromMs(ms);
    ++TotalPhases;
}

void TAnimation::Start() {
    if (Reverse) {
        Counter = 0;
    } else if (Counter <= 0) {
        Counter = Length[static_cast<size_t>(CurrentPhase)];
    }
    CurrentPhase = 0;
    Active = 1;
    Finished = 0;
}

void TAnimation::Reset() {
    Counter = 0;
    Start();
}

void TAnimation::Stop() {
    CurrentPhase = TotalPhases - 1;
    EndAnim();
}

void TAnimation::Clear() {
    Counter = 0;
    Active = 0;
    CurrentPhase = 0;
    TotalPhases = 1;
    Finished = 0;
}

int TAnimation::Manage() {
    if (!Active) return 0;
    if (Reverse) {
        Counter += PresentationContext().Delta;
        if (Counter > Length[static_cast<size_t>(CurrentPhase)]) {
            EndAnim();
            return 1;
        }
    } else {
        Counter -= PresentationContext().Delta;
        if (Counter <= 0) {
            EndAnim();
            return 1;
        }
    }
    return 0;
}

void TAnimation::EndAnim() {
    ++CurrentPhase;
    if (CurrentPhase >= TotalPhases) {
        if (Cycle) {
            CurrentPhase = 0;
        } else {
            Finished = 1;
            if (LeaveActive) {
                CurrentPhase = TotalPhases - 1;
                Counter = Reverse ? Length[static_cast<size_t>(CurrentPhase)] : 0;
            } else {
                Counter = 0;
                CurrentPhase = 0;
                Active = 0;
            }
            return;
        }
    }
    Counter = Reverse ? 0 : Length[static_cast<size_t>(CurrentPhase)];
}

float TAnimation::GetRatio() const {
    const float length = Length[static_cast<size_t>(CurrentPhase)];
    return length > 0 ? Counter / length : 0.0f;
}

float TAnimation::GetRatioInv() const {
    return 1 - GetRatio();
}
float TAnimation::GetRatioSine() const {
    return SinDegrees(GetRatio() * 90.0f);
}
float TAnimation::GetRatioInvSine() const {
    return SinDegrees((1 - GetRatio()) * 90.0f);
}
