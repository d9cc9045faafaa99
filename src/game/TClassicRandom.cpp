#include "game/TClassicRandom.h"

#include <utility>

std::uint64_t TClassicRandom::Next() {
    // SplitMix64: every state is valid, so a saved or hand-made one can never stall the stream.
    State += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = State;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

int TClassicRandom::RandomInt(int a, int b) {
    if (b < a) std::swap(a, b);
    const auto span = static_cast<std::uint64_t>(static_cast<std::int64_t>(b) - a) + 1;
    return a + static_cast<int>(Next() % span);
}
