#include "presentation/Timing.h"

#include "host/TGame.h"

namespace {
constexpr float NormalStepMs = 5.0f;
}

float StepsFromMs(float ms) {
    return Game ? Game->CalcAnimLength(ms) : ms / NormalStepMs;
}

float StepsFromMsFloat(float ms) {
    return Game ? Game->CalcAnimLengthFromFloat(ms) : ms / NormalStepMs;
}
