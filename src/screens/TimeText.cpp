#include "screens/TimeText.h"

#include <cmath>
#include <cstdio>

std::string TicksAsTime(double ticks, double msPerTick) {
    double seconds = std::floor(ticks * msPerTick / 1000.0);
    // A damaged record must not print a nonsense time or overflow the conversion below.
    if (!std::isfinite(seconds) || seconds < 0) seconds = 0;
    if (seconds > 1e9) seconds = 1e9;
    const long long whole = static_cast<long long>(seconds);
    char text[32];
    std::snprintf(text, sizeof text, "%lld:%02lld", whole / 60, whole % 60);
    return text;
}
