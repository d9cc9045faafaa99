// Encodes interleaved stereo float samples as Ogg Vorbis with a fixed stream serial, so the
// same music gives the same bytes on every build.
#pragma once

#include <string>
#include <vector>

namespace quillox::assets {

class OggEncoder {
public:
    OggEncoder(int rate, float quality) : rate_(rate), quality_(quality) {}

    // Left and right of equal length; empty result when the encoder refuses the settings.
    [[nodiscard]] std::string Encode(const std::vector<float>& left,
                                     const std::vector<float>& right) const;

private:
    int rate_;
    float quality_;
};

}  // namespace quillox::assets
