#pragma once
// Plays a long Ogg tune on one OpenAL source from a short queue of buffers, which a thread of its
// own keeps refilled from the decoder, so the music goes on while the game is busy loading or
// drawing a long frame. Everything but the source's volume, pan and rate goes through here.

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "media/OggReader.h"

namespace media::detail {

class SoundStream {
    struct Private {
        explicit Private() = default;
    };

public:
    SoundStream(Private, unsigned source, bool looping);
    // The start of the tune queued on `source` (which holds no buffer), waiting to be played;
    // empty when the device has no buffers to spare or the bytes do not decode.
    [[nodiscard]] static std::unique_ptr<SoundStream> Start(
        unsigned source, std::shared_ptr<const std::vector<std::uint8_t>> encoded, bool looping);
    // Stops the thread and the source and gives the buffers back; the device must still be open.
    ~SoundStream();
    SoundStream(const SoundStream&) = delete;
    SoundStream& operator=(const SoundStream&) = delete;

    void SetPaused(bool paused);
    // True until a tune that does not loop has been heard to its end.
    bool Playing();
    // True while let play and not yet ended (the source may be waiting for the decoder).
    bool LetPlay() const { return phase_ == Phase::Playing; }

private:
    enum class Phase { Waiting, Playing, Ended };
    static constexpr int kBuffers = 4;

    void Run(std::stop_token stop);
    // Takes back what was played and queues at most `most` buffers more.
    void Pump(std::size_t most = kBuffers);
    bool Fill(unsigned buffer);

    const unsigned source_;
    const bool looping_;
    std::mutex mutex_;  // guards all below, and the source's queue
    std::condition_variable_any wake_;
    OggReader reader_;
    std::array<unsigned, kBuffers> buffers_{};
    std::vector<unsigned> idle_;                 // buffers waiting for sound
    std::vector<std::uint8_t> block_;            // one buffer's worth of decoded sound
    std::atomic<Phase> phase_ = Phase::Waiting;  // read without the lock, to ask if it plays
    bool exhausted_ = false;                     // the decoder has nothing more to give
    bool freshPass_ = true;  // nothing decoded since the start: a loop that gives nothing ends
    std::jthread pump_;
};

}  // namespace media::detail
