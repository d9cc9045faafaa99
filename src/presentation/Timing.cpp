#include "presentation/Timing.h"

#include "presentation/TPresentationContext.h"

float StepsFromMs(float ms) {
    return PresentationContext().CalcAnimLength(ms);
}
