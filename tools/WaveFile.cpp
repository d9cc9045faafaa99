#include "WaveFile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace quillox::assets {
namespace {

void Put16(std::string& s, int v) {
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>((v >> 8) & 0xFF);
}

void Put32(std::string& s, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
}

}  // namespace

WaveFile::WaveFile(std::vector<float> samples) : samples_(std::move(samples)) {}

void WaveFile::Finish(double fadeInMs, double fadeOutMs) {
    if (samples_.empty()) return;
    // Remove any offset first, so the fades end on true silence.
    double mean = 0;
    for (float s : samples_) mean += s;
    mean /= static_cast<double>(samples_.size());
    for (float& s : samples_) s = static_cast<float>(s - mean);
    const std::size_t n = samples_.size();
    const std::size_t in = std::min(n / 4, static_cast<std::size_t>(fadeInMs * kRate / 1000));
    const std::size_t out = std::min(n / 4, static_cast<std::size_t>(fadeOutMs * kRate / 1000));
    for (std::size_t i = 0; i < in; ++i) {
        samples_[i] *= static_cast<float>(0.5 - 0.5 * std::cos(M_PI * i / in));
    }
    for (std::size_t i = 0; i < out; ++i) {
        samples_[n - 1 - i] *= static_cast<float>(0.5 - 0.5 * std::cos(M_PI * i / out));
    }
    float peak = 0;
    for (float s : samples_) peak = std::max(peak, std::abs(s));
    if (peak <= 0) return;
    const float gain = static_cast<float>(std::pow(10.0, kPeakDb / 20.0) / peak);
    for (float& s : samples_) s *= gain;
}

std::string WaveFile::Bytes() const {
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples_.size() * 2);
    std::string s;
    s.reserve(44 + dataBytes);
    s += "RIFF";
    Put32(s, 36 + dataBytes);
    s += "WAVEfmt ";
    Put32(s, 16);
    Put16(s, 1);  // PCM
    Put16(s, 1);  // mono
    Put32(s, kRate);
    Put32(s, kRate * 2);
    Put16(s, 2);
    Put16(s, 16);
    s += "data";
    Put32(s, dataBytes);
    for (float v : samples_) {
        const long q = std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f);
        Put16(s, static_cast<int>(q));
    }
    return s;
}

}  // namespace quillox::assets
