#include "presentation/HeldRepeat.h"

#include "presentation/TPresentationContext.h"
#include "presentation/Timing.h"

namespace HeldRepeat {

Result Step(bool held, int initialDelayMs, float& initialCounter, int repeatDelayMs,
            int& repeatCounter, int& lastState) {
    if (!held) {
        initialCounter = 0;
        repeatCounter = 0;
        lastState = 0;
        return Result::None;
    }
    if (lastState == 0) {
        initialCounter = StepsFromMs(static_cast<float>(initialDelayMs));
        lastState = 1;
        return Result::First;
    }
    const int repeatSteps = static_cast<int>(StepsFromMs(static_cast<float>(repeatDelayMs)));
    if (initialCounter > 0) {
        initialCounter -= PresentationContext().Delta;
        if (initialCounter > 0) return Result::None;
        initialCounter = 0;
        repeatCounter = repeatSteps;
        return Result::Repeat;
    }
    repeatCounter =
        static_cast<int>(static_cast<float>(repeatCounter) - PresentationContext().Delta);
    if (repeatCounter > 0) return Result::None;
    repeatCounter = repeatSteps;
    return Result::Repeat;
}

}  // namespace HeldRepeat
