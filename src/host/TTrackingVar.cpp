#include "host/TTrackingVar.h"

#include <algorithm>

#include "media/Media.h"

void TTrackingVar::Init() {
    Current = 0;
    maximum = 0;
    displayLimit = 999;
    displayLimitChars = static_cast<int>(std::to_string(displayLimit).size());
}

std::string TTrackingVar::Padded(int value) const {
    std::string text = std::to_string(value);
    if (static_cast<int>(text.size()) < displayLimitChars) {
        text.insert(0, static_cast<size_t>(displayLimitChars) - text.size(), '0');
    }
    return text;
}

std::string TTrackingVar::GetDisplay() const {
    return Label + Padded(Current) + "/" + Padded(maximum);
}

void TTrackingVar::Display(float x, float y) const {
    media::DrawTextAt(GetDisplay(), x, y);
}

void TDebugVar::Start() {
    Current = media::MilliSecs();
}

void TDebugVar::Calc() {
    Current = media::MilliSecs() - Current;
    maximum = std::min(std::max(maximum, Current), displayLimit);
}

void TFPSCounter::Init() {
    counter = 0;
    time = media::MilliSecs();
    framerate = 0;
    minimum = 999;
    TTrackingVar::Init();
}

std::string TFPSCounter::GetDisplay() const {
    return Label + Padded(Current) + "/" + Padded(minimum);
}

void TFPSCounter::Calc() {
    ++counter;
    const int now = media::MilliSecs();
    if (now > time + 1001) {
        framerate = counter;
        counter = 0;
        time = now;
        maximum = std::max(maximum, framerate);
        minimum = std::min(minimum, framerate);
        Current = framerate;
    }
}
