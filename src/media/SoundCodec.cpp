// WAV (PCM) and Ogg Vorbis decoding into memory.
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <bit>
#include <cstring>

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

struct MemoryStream {
    const std::vector<std::uint8_t>* bytes;
    size_t position;
};

size_t OggRead(void* out, size_t size, size_t count, void* source) {
    auto* stream = static_cast<MemoryStream*>(source);
    if (size == 0) return 0;
    const size_t left = stream->bytes->size() - stream->position;
    const size_t items = std::min(count, left / size);
    std::memcpy(out, stream->bytes->data() + stream->position, items * size);
    stream->position += items * size;
    return items;
}

int OggSeek(void* source, ogg_int64_t offset, int whence) {
    auto* stream = static_cast<MemoryStream*>(source);
    const auto size = static_cast<ogg_int64_t>(stream->bytes->size());
    ogg_int64_t target = offset;
    if (whence == SEEK_CUR) target += static_cast<ogg_int64_t>(stream->position);
    if (whence == SEEK_END) target += size;
    if (target < 0 || target > size) return -1;
    stream->position = static_cast<size_t>(target);
    return 0;
}

long OggTell(void* source) {
    return static_cast<long>(static_cast<MemoryStream*>(source)->position);
}

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

bool DecodeOgg(const std::vector<std::uint8_t>& bytes, SoundData& sound) {
    constexpr int kBigEndian = std::endian::native == std::endian::big ? 1 : 0;
    MemoryStream stream{&bytes, 0};
    OggVorbis_File file;
    const ov_callbacks callbacks{OggRead, OggSeek, nullptr, OggTell};
    if (ov_open_callbacks(&stream, &file, nullptr, 0, callbacks) != 0) return false;
    const vorbis_info* info = ov_info(&file, -1);
    if (!info || info->channels < 1 || info->channels > 2 || info->rate <= 0) {
        ov_clear(&file);
        return false;
    }
    sound.channels = info->channels;
    sound.rate = static_cast<int>(info->rate);
    sound.bits = 16;
    sound.samples.clear();
    char block[16384];
    int section = 0;
    for (;;) {
        const long got = ov_read(&file, block, sizeof block, kBigEndian, 2, 1, &section);
        if (got == 0) break;
        if (got == OV_HOLE) continue;
        if (got < 0) break;  // damaged from here on: keep what played cleanly
        sound.samples.insert(sound.samples.end(), block, block + got);
    }
    ov_clear(&file);
    const size_t frameBytes = static_cast<size_t>(sound.channels) * 2;
    sound.samples.resize(sound.samples.size() / frameBytes * frameBytes);
    return !sound.samples.empty();
}

}  // namespace media::detail
