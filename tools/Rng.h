// A small seeded generator so that every build draws the same scatter of pieces, sparkles
// and noise, whatever the standard library's distributions do.
#pragma once

#include <cstdint>

namespace quillox::assets {

class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}

    std::uint32_t Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return static_cast<std::uint32_t>(state_ >> 16);
    }
    // Uniform in [0, 1).
    double Unit() { return (Next() & 0xFFFFFF) / double(0x1000000); }
    double Range(double lo, double hi) { return lo + (hi - lo) * Unit(); }
    // Uniform in lo..hi, both ends included.
    int Int(int lo, int hi) { return lo + static_cast<int>(Next() % std::uint32_t(hi - lo + 1)); }

private:
    std::uint64_t state_;
};

}  // namespace quillox::assets
