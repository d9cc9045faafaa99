#pragma once
// Ogg Vorbis decoding from a file held whole in memory, a block at a time, so a long tune can be
// played without ever being decoded whole.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

struct OggVorbis_File;

namespace media::detail {

class OggReader {
public:
    OggReader();
    ~OggReader();
    OggReader(const OggReader&) = delete;
    OggReader& operator=(const OggReader&) = delete;

    // False for anything but Ogg Vorbis in one or two channels. The reader shares the bytes.
    [[nodiscard]] bool Open(std::shared_ptr<const std::vector<std::uint8_t>> bytes);
    int Channels() const { return channels_; }
    int Rate() const { return rate_; }
    // What the last page claims the stream holds (a cut file: up to its last whole page); 0 when
    // it cannot be told without decoding.
    std::size_t Frames() const { return frames_; }
    // Fills `out` with up to `size` bytes of 16-bit native-order frames; fewer only at the end of
    // the stream or where it is damaged beyond repair (the rest is never played).
    std::size_t Read(std::uint8_t* out, std::size_t size);
    // Back to the first frame, for a tune that loops.
    [[nodiscard]] bool Rewind();

private:
    // The decoder's view of the bytes: a file it reads, seeks and tells in.
    static std::size_t ReadCallback(void* out, std::size_t size, std::size_t count, void* self);
    static int SeekCallback(void* self, std::int64_t offset, int whence);
    static long TellCallback(void* self);
    void Close();

    std::shared_ptr<const std::vector<std::uint8_t>> bytes_;
    std::size_t position_ = 0;
    std::unique_ptr<OggVorbis_File> file_;
    bool open_ = false;
    bool broken_ = false;  // a read failed: nothing more comes until a rewind
    int channels_ = 0;
    int rate_ = 0;
    std::size_t frames_ = 0;
};

}  // namespace media::detail
