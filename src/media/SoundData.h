#pragma once
// A decoded sample and the OpenAL buffer made from it for the current device. Once the device
// holds its own copy the decoded samples are let go; a new device decodes the file again.
// A long Ogg tune is never held decoded: it keeps its file's bytes, and each channel playing it
// streams them.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "media/Media.h"

namespace media {

struct SoundData {
    int channels = 0;  // 1 or 2
    int bits = 0;      // 8 (unsigned) or 16 (signed)
    int rate = 0;      // frames a second
    bool looping = false;
    std::vector<std::uint8_t> samples;  // empty while a device buffer holds them
    std::shared_ptr<const std::vector<std::uint8_t>> encoded;  // set for a streamed sound
    size_t frames = 0;
    std::string path;         // where to decode them from again
    unsigned buffer = 0;      // OpenAL buffer name, 0 until needed
    unsigned generation = 0;  // audio device generation the buffer belongs to

    SoundData() = default;
    SoundData(const SoundData&) = delete;
    SoundData& operator=(const SoundData&) = delete;
    ~SoundData();

    size_t CountFrames() const {
        const size_t frameBytes = static_cast<size_t>(channels) * (bits / 8);
        return frameBytes ? samples.size() / frameBytes : 0;
    }
};

namespace detail {

// Decoding fills channels, bits, rate and samples; false for a damaged or unsupported file.
[[nodiscard]] bool DecodeWAV(const std::vector<std::uint8_t>& bytes, SoundData& sound);
// The same for Ogg Vorbis, except that a long tune is only checked and measured (frames) and
// keeps the bytes to be streamed from.
[[nodiscard]] bool ReadOgg(std::shared_ptr<const std::vector<std::uint8_t>> bytes,
                           SoundData& sound);

}  // namespace detail
}  // namespace media
