#include "media/OggReader.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstring>

namespace media::detail {

OggReader::OggReader() : file_(std::make_unique<OggVorbis_File>()) {}

OggReader::~OggReader() {
    Close();
}

void OggReader::Close() {
    if (open_) ov_clear(file_.get());
    open_ = false;
}

std::size_t OggReader::ReadCallback(void* out, std::size_t size, std::size_t count, void* self) {
    auto& reader = *static_cast<OggReader*>(self);
    if (size == 0) return 0;
    const std::size_t left = reader.bytes_->size() - reader.position_;
    const std::size_t items = std::min(count, left / size);
    std::memcpy(out, reader.bytes_->data() + reader.position_, items * size);
    reader.position_ += items * size;
    return items;
}

int OggReader::SeekCallback(void* self, std::int64_t offset, int whence) {
    auto& reader = *static_cast<OggReader*>(self);
    const auto size = static_cast<std::int64_t>(reader.bytes_->size());
    std::int64_t target = offset;
    if (whence == SEEK_CUR) target += static_cast<std::int64_t>(reader.position_);
    if (whence == SEEK_END) target += size;
    if (target < 0 || target > size) return -1;
    reader.position_ = static_cast<std::size_t>(target);
    return 0;
}

long OggReader::TellCallback(void* self) {
    return static_cast<long>(static_cast<OggReader*>(self)->position_);
}

bool OggReader::Open(std::shared_ptr<const std::vector<std::uint8_t>> bytes) {
    Close();
    bytes_ = std::move(bytes);
    position_ = 0;
    broken_ = false;
    if (!bytes_) return false;
    const ov_callbacks callbacks{ReadCallback, SeekCallback, nullptr, TellCallback};
    if (ov_open_callbacks(this, file_.get(), nullptr, 0, callbacks) != 0) return false;
    open_ = true;
    const vorbis_info* info = ov_info(file_.get(), -1);
    if (!info || info->channels < 1 || info->channels > 2 || info->rate <= 0) {
        Close();
        return false;
    }
    channels_ = info->channels;
    rate_ = static_cast<int>(info->rate);
    const ogg_int64_t total = ov_pcm_total(file_.get(), -1);
    frames_ = total > 0 ? static_cast<std::size_t>(total) : 0;
    return true;
}

std::size_t OggReader::Read(std::uint8_t* out, std::size_t size) {
    constexpr int kBigEndian = std::endian::native == std::endian::big ? 1 : 0;
    const std::size_t frameBytes = static_cast<std::size_t>(channels_) * 2;
    size = size / frameBytes * frameBytes;
    std::size_t done = 0;
    while (open_ && !broken_ && done < size) {
        int section = 0;
        const int want = static_cast<int>(std::min<std::size_t>(size - done, 1 << 20));
        const long got = ov_read(file_.get(), reinterpret_cast<char*>(out + done), want, kBigEndian,
                                 2, 1, &section);
        if (got == 0) break;
        if (got == OV_HOLE) continue;
        if (got < 0) {
            broken_ = true;  // damaged from here on: keep what played cleanly
            break;
        }
        done += static_cast<std::size_t>(got);
    }
    return done / frameBytes * frameBytes;
}

bool OggReader::Rewind() {
    broken_ = false;
    return open_ && ov_pcm_seek(file_.get(), 0) == 0;
}

}  // namespace media::detail
