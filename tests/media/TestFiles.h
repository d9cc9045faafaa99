#pragma once
// Small files written by the media tests (in a TempFolder).

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/TempFolder.h"

namespace media_test {

inline void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

// A PCM WAV file image.
inline std::vector<std::uint8_t> MakeWav(int channels, int bits, int rate,
                                         const std::vector<std::uint8_t>& samples) {
    std::vector<std::uint8_t> out;
    const auto put32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    };
    const auto put16 = [&](std::uint32_t v) {
        out.push_back(static_cast<std::uint8_t>(v));
        out.push_back(static_cast<std::uint8_t>(v >> 8));
    };
    const auto tag = [&](const char* t) { out.insert(out.end(), t, t + 4); };
    tag("RIFF");
    put32(static_cast<std::uint32_t>(36 + samples.size()));
    tag("WAVE");
    tag("fmt ");
    put32(16);
    put16(1);
    put16(static_cast<std::uint32_t>(channels));
    put32(static_cast<std::uint32_t>(rate));
    put32(static_cast<std::uint32_t>(rate * channels * bits / 8));
    put16(static_cast<std::uint32_t>(channels * bits / 8));
    put16(static_cast<std::uint32_t>(bits));
    tag("data");
    put32(static_cast<std::uint32_t>(samples.size()));
    out.insert(out.end(), samples.begin(), samples.end());
    return out;
}

// A mono 16-bit sine tone.
inline std::vector<std::uint8_t> ToneSamples(int rate, double seconds, double hertz) {
    std::vector<std::uint8_t> out;
    const int frames = static_cast<int>(rate * seconds);
    for (int i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / rate;
        const auto v =
            static_cast<std::int16_t>(20000.0 * std::sin(2.0 * 3.14159265358979 * hertz * t));
        out.push_back(static_cast<std::uint8_t>(v & 0xFF));
        out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
    }
    return out;
}

}  // namespace media_test
