// WAV (PCM) and Ogg Vorbis decoding into memory, or, for a long tune, the means to stream it.
#include <algorithm>
#include <cstring>

#include "media/OggReader.h"
#include "media/SoundData.h"

namespace media::detail {
namespace {

std::uint32_t Read32(const std::uint8_t* p) {
    return p[0] | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) |
           (std::uint32_t{p[3]} << 24);
}

std::uint16_t Read16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

// Past this much decoded sound a tune is streamed: one buffer that size already outweighs a
// stream's own cost (its decoder, a second of queued buffers and a thread), while shorter
// sounds, the effects and speech, keep starting on the exact sample with nothing to pump.
// About six seconds of CD-quality stereo.
constexpr std::size_t kStreamAbove = std::size_t{1} << 20;

}  // namespace

bool DecodeWAV(const std::vector<std::uint8_t>& bytes, SoundData& sound) {
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 ||
        std::memcmp(bytes.data() + 8, "WAVE", 4) != 0)
        return false;
    bool haveFormat = false;
    size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const std::uint8_t* chunk = bytes.data() + at;
        const size_t length = Read32(chunk + 4);
        const size_t available = std::min(length, bytes.size() - at - 8);
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            if (available < 16) return false;
            const std::uint16_t format = Read16(chunk + 8);
            sound.channels = Read16(chunk + 10);
            sound.rate = static_cast<int>(Read32(chunk + 12));
            sound.bits = Read16(chunk + 22);
            // 1 is plain PCM; 0xFFFE (extensible) carries PCM too at these sizes.
            if ((format != 1 && format != 0xFFFE) || sound.channels < 1 || sound.channels > 2 ||
                (sound.bits != 8 && sound.bits != 16) || sound.rate <= 0 || sound.rate > 384000)
                return false;
            haveFormat = true;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (!haveFormat) return false;
            // A truncated file keeps what it has, cut to whole frames.
            const size_t frameBytes = static_cast<size_t>(sound.channels) * (sound.bits / 8);
            sound.samples.assign(chunk + 8, chunk + 8 + available / frameBytes * frameBytes);
            return !sound.samples.empty();
        }
        at += 8 + length + (length & 1);
    }
    return false;
}

bool ReadOgg(std::shared_ptr<const std::vector<std::uint8_t>> bytes, SoundData& sound) {
    OggReader reader;
    if (!reader.Open(bytes)) return false;
    sound.channels = reader.Channels();
    sound.rate = reader.Rate();
    sound.bits = 16;
    sound.samples.clear();
    const std::size_t frameBytes = static_cast<std::size_t>(sound.channels) * 2;
    if (reader.Frames() * frameBytes > kStreamAbove) {
        std::uint8_t first[4096];
        if (reader.Read(first, sizeof first) == 0) return false;
        sound.encoded = std::move(bytes);
        sound.frames = reader.Frames();
        return true;
    }
    sound.samples.reserve(reader.Frames() * frameBytes);
    std::uint8_t block[16384];
    while (const std::size_t got = reader.Read(block, sizeof block)) {
        sound.samples.insert(sound.samples.end(), block, block + got);
    }
    return !sound.samples.empty();
}

}  // namespace media::detail
