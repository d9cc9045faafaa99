// Mono sound effects written as 16-bit PCM WAV: normalised to a fixed peak and faded at
// both ends so they start and stop without a click.
#pragma once

#include <string>
#include <vector>

namespace quillox::assets {

class WaveFile {
public:
    static constexpr int kRate = 44100;
    static constexpr double kPeakDb = -1.0;

    explicit WaveFile(std::vector<float> samples);

    // Scales to the peak level and fades the first and last few milliseconds.
    void Finish(double fadeInMs = 3.0, double fadeOutMs = 12.0);
    const std::vector<float>& Samples() const { return samples_; }
    // The whole file: RIFF header and the 16-bit samples, little-endian.
    std::string Bytes() const;

private:
    std::vector<float> samples_;
};

}  // namespace quillox::assets
