#include "media/SoundStream.h"

#include <AL/al.h>

#include <chrono>

#ifdef __linux__
#include <pthread.h>
#endif

namespace media::detail {
namespace {

// Half a second a buffer, four queued: two seconds in hand, while the thread looks in every
// quarter of a second (a thread that wakes often costs more than the decoding it does), so the
// queue runs dry only if the thread is kept from running for over a second and a half (or the
// sound is sped up many times).
constexpr int kBuffersPerSecond = 2;
constexpr auto kPumpPeriod = std::chrono::milliseconds(250);

}  // namespace

SoundStream::SoundStream(Private, unsigned source, bool looping)
    : source_(source), looping_(looping) {}

std::unique_ptr<SoundStream> SoundStream::Start(
    unsigned source, std::shared_ptr<const std::vector<std::uint8_t>> encoded, bool looping) {
    auto stream = std::make_unique<SoundStream>(Private{}, source, looping);
    if (!stream->reader_.Open(std::move(encoded))) return {};
    alGetError();
    alGenBuffers(kBuffers, stream->buffers_.data());
    if (alGetError() != AL_NO_ERROR) {
        stream->buffers_.fill(0);
        return {};
    }
    stream->idle_.assign(stream->buffers_.begin(), stream->buffers_.end());
    const auto frames = static_cast<std::size_t>(stream->reader_.Rate() / kBuffersPerSecond);
    stream->block_.resize(frames * static_cast<std::size_t>(stream->reader_.Channels()) * 2);
    // A source that loops never lets go of its buffers; the stream loops by itself. Rewound,
    // the source counts nothing it is given as played before it starts.
    alSourcei(source, AL_LOOPING, AL_FALSE);
    alSourceRewind(source);
    {
        // One buffer to start on; the thread decodes the rest, not the caller.
        const std::lock_guard lock(stream->mutex_);
        stream->Pump(1);
    }
    stream->pump_ = std::jthread([raw = stream.get()](std::stop_token stop) { raw->Run(stop); });
    return stream;
}

SoundStream::~SoundStream() {
    if (pump_.joinable()) {
        pump_.request_stop();
        pump_.join();
    }
    alSourceStop(source_);
    alSourcei(source_, AL_BUFFER, 0);
    if (buffers_[0]) alDeleteBuffers(kBuffers, buffers_.data());
}

void SoundStream::Run(std::stop_token stop) {
#ifdef __linux__
    // Named, so a profiler or scripts/perf.sh can tell the music's decoding from the rest.
    pthread_setname_np(pthread_self(), "music");
#endif
    std::unique_lock lock(mutex_);
    while (!stop.stop_requested() && phase_ != Phase::Ended) {
        Pump();
        wake_.wait_for(lock, stop, kPumpPeriod, [] { return false; });
    }
}

void SoundStream::SetPaused(bool paused) {
    const std::lock_guard lock(mutex_);
    if (phase_ == Phase::Ended) return;
    if (paused) {
        if (phase_ == Phase::Playing) alSourcePause(source_);
        phase_ = Phase::Waiting;
    } else {
        phase_ = Phase::Playing;
        Pump(1);
    }
}

bool SoundStream::Playing() {
    return phase_ != Phase::Ended;
}

void SoundStream::Pump(std::size_t most) {
    ALint state = AL_STOPPED;
    alGetSourcei(source_, AL_SOURCE_STATE, &state);
    // Starved and then paused: all it holds has been heard, and a stopped source counts every
    // buffer as played, so new ones wait until it is resumed.
    if (state == AL_STOPPED && phase_ != Phase::Playing) return;
    ALint processed = 0;
    alGetSourcei(source_, AL_BUFFERS_PROCESSED, &processed);
    for (; processed > 0; --processed) {
        ALuint buffer = 0;
        alSourceUnqueueBuffers(source_, 1, &buffer);
        idle_.push_back(buffer);
    }
    for (std::size_t filled = 0; filled < most && !idle_.empty() && Fill(idle_.back()); ++filled) {
        const ALuint buffer = idle_.back();
        alSourceQueueBuffers(source_, 1, &buffer);
        idle_.pop_back();
    }
    // The state was read before the played buffers were taken off, so a source that stopped
    // since is caught on the next round rather than sent back over what it played.
    if (phase_ != Phase::Playing || state == AL_PLAYING) return;
    ALint queued = 0;
    alGetSourcei(source_, AL_BUFFERS_QUEUED, &queued);
    if (queued > 0) {
        alSourcePlay(source_);  // first start, resume, or restart after the queue ran dry
    } else {
        phase_ = Phase::Ended;
    }
}

bool SoundStream::Fill(unsigned buffer) {
    std::size_t got = 0;
    while (!exhausted_ && got < block_.size()) {
        const std::size_t read = reader_.Read(block_.data() + got, block_.size() - got);
        got += read;
        if (read > 0) {
            freshPass_ = false;
        } else if (looping_ && !freshPass_ && reader_.Rewind()) {
            freshPass_ = true;  // the start follows the end in the same buffer: no gap
        } else {
            exhausted_ = true;
        }
    }
    if (got == 0) return false;
    // No alGetError here: the error flag is the context's, and the main thread reads it too.
    alBufferData(buffer, reader_.Channels() == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16,
                 block_.data(), static_cast<ALsizei>(got), reader_.Rate());
    return true;
}

}  // namespace media::detail
