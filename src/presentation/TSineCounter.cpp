#include "presentation/TSineCounter.h"

#include <cmath>
#include <numbers>

#include "presentation/TPresentationContext.h"

namespace {
float SinDegrees(float degrees) {
    return static_cast<float>(std::sin(degrees * std::numbers::pi / 180.0));
}
}  // namespace

void TSineCounter::Init(float start, float end, float speed) {
    StartPoint = start;
    EndPoint = end;
    Speed = speed;
    Counter = start;
    ratio = 0;
}

void TSineCounter::Manage() {
    Counter += Speed * PresentationContext().Delta;
    const float span = EndPoint - StartPoint;
    if (Counter >= EndPoint) {
        Counter -= span;
    } else if (Counter < StartPoint) {
        Counter += span;
    }
    ratio = SinDegrees(Counter);
}

void TSineCounter::SetCounter(float value) {
    Counter = value;
    ratio = SinDegrees(value);
}
