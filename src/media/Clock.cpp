// The millisecond clock, the random sequence and the local date.
#include <cstdio>
#include <ctime>

#include "media/MediaInternal.h"

namespace media {
namespace {

std::uint64_t& StartTicks() {
    static std::uint64_t start = SDL_GetTicks64();
    return start;
}

// xoshiro128**: small, fast and the same sequence on every machine and compiler.
struct Random {
    std::uint32_t s[4] = {0x9E3779B9u, 0x243F6A88u, 0xB7E15162u, 0x7F4A7C15u};

    static std::uint32_t Rotl(std::uint32_t x, int k) { return (x << k) | (x >> (32 - k)); }

    std::uint32_t Next() {
        const std::uint32_t result = Rotl(s[1] * 5, 7) * 9;
        const std::uint32_t t = s[1] << 9;
        s[2] ^= s[0];
        s[3] ^= s[1];
        s[1] ^= s[2];
        s[0] ^= s[3];
        s[2] ^= t;
        s[3] = Rotl(s[3], 11);
        return result;
    }
};

Random& Generator() {
    static Random random;
    return random;
}

}  // namespace

int MilliSecs() {
    return static_cast<int>(SDL_GetTicks64() - StartTicks());
}

void Delay(int ms) {
    if (ms > 0) SDL_Delay(static_cast<Uint32>(ms));
}

void SeedRandom(std::uint32_t seed) {
    // splitmix32 spreads any seed, 0 included, over the whole state.
    std::uint32_t z = seed;
    for (std::uint32_t& word : Generator().s) {
        z += 0x9E3779B9u;
        std::uint32_t x = z;
        x = (x ^ (x >> 16)) * 0x85EBCA6Bu;
        x = (x ^ (x >> 13)) * 0xC2B2AE35u;
        word = x ^ (x >> 16);
    }
}

int RandomInt(int a, int b) {
    if (a > b) std::swap(a, b);
    const std::uint64_t span = static_cast<std::uint64_t>(static_cast<std::int64_t>(b) - a) + 1;
    // Rejection keeps every value equally likely.
    const std::uint64_t limit = (std::uint64_t{1} << 32) / span * span;
    std::uint64_t value = 0;
    do {
        value = Generator().Next();
    } while (value >= limit);
    return static_cast<int>(static_cast<std::int64_t>(a) + static_cast<std::int64_t>(value % span));
}

float RandomFloat(float a, float b) {
    const float unit = static_cast<float>(Generator().Next() >> 8) * (1.0f / 16777216.0f);
    const float value = a + (b - a) * unit;
    // Rounding may land on b itself, which the range leaves out.
    return a < b && value >= b ? a : value;
}

LocalTime CurrentLocalTime() {
    const std::time_t now = std::time(nullptr);
    std::tm fields{};
    LocalTime t;
    if (!localtime_r(&now, &fields)) return t;
    t.year = fields.tm_year + 1900;
    t.month = fields.tm_mon + 1;
    t.day = fields.tm_mday;
    t.hour = fields.tm_hour;
    t.minute = fields.tm_min;
    t.second = fields.tm_sec;
    return t;
}

std::string FormatDate(const LocalTime& t) {
    // English abbreviations whatever the user's locale, so saved dates read the same anywhere.
    static const char* const kMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    char text[48];
    std::snprintf(text, sizeof text, "%02d %s %04d", t.day,
                  kMonths[(t.month >= 1 && t.month <= 12) ? t.month - 1 : 0], t.year);
    return text;
}

std::string FormatTime(const LocalTime& t) {
    char text[48];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.hour, t.minute, t.second);
    return text;
}

std::string CurrentDate() {
    return FormatDate(CurrentLocalTime());
}
std::string CurrentTime() {
    return FormatTime(CurrentLocalTime());
}

}  // namespace media
