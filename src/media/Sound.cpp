// Sound playback through OpenAL Soft. Without a device every channel operation does nothing,
// so the game plays on silently.
#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "media/MediaInternal.h"
#include "media/SoundData.h"
#include "media/SoundStream.h"

namespace media {

struct ChannelData {
    ALuint source = 0;
    unsigned generation = 0;
    Sound sound;  // keeps the buffer alive while the source may use it
    std::unique_ptr<detail::SoundStream> stream;  // for a streamed sound, on this source
    float volume = 1.0f;
    float pan = 0.0f;
    float rate = 1.0f;

    ChannelData() = default;
    ChannelData(const ChannelData&) = delete;
    ChannelData& operator=(const ChannelData&) = delete;
    ~ChannelData();
};

namespace {

// OpenAL Soft mixes all the time, silence too, at the same cost as a tune: a device that has
// had nothing to sound for a while is paused, and woken before anything is played again.
constexpr std::uint64_t kQuietMsBeforeRest = 1500;
constexpr std::uint64_t kQuietCheckMs = 250;

struct AudioState {
    ALCdevice* device = nullptr;
    ALCcontext* context = nullptr;
    unsigned generation = 1;  // bumped when the device closes; older AL names are gone
    // Every channel with a source on this device; their streams must end before the device does.
    std::vector<ChannelData*> sourced;
    LPALCDEVICEPAUSESOFT pause = nullptr;  // null where the library cannot pause a device
    LPALCDEVICERESUMESOFT resume = nullptr;
    bool resting = false;
    std::uint64_t lastCheck = 0;
    std::optional<std::uint64_t> quietSince;
};

AudioState& Audio() {
    static AudioState state;
    return state;
}

bool Live(unsigned generation) {
    return Audio().context && generation == Audio().generation;
}

void ApplyPan(ChannelData& channel) {
    if (!channel.source) return;
    // A mono source placed on a unit circle around the listener: -1 fully left, +1 right.
    const float pan = std::clamp(channel.pan, -1.0f, 1.0f);
    alSource3f(channel.source, AL_POSITION, pan, 0.0f, -std::sqrt(1.0f - pan * pan));
}

// The channel's source for the current device, made on first use.
bool EnsureSource(ChannelData& channel) {
    if (!Audio().context) return false;
    if (channel.generation != Audio().generation) {
        channel.source = 0;
        channel.generation = Audio().generation;
    }
    if (channel.source) return true;
    alGetError();
    alGenSources(1, &channel.source);
    if (alGetError() != AL_NO_ERROR) {
        channel.source = 0;
        return false;
    }
    if (std::find(Audio().sourced.begin(), Audio().sourced.end(), &channel) ==
        Audio().sourced.end())
        Audio().sourced.push_back(&channel);
    alSourcei(channel.source, AL_SOURCE_RELATIVE, AL_TRUE);
    alSourcef(channel.source, AL_ROLLOFF_FACTOR, 0.0f);
    alSourcef(channel.source, AL_GAIN, channel.volume);
    alSourcef(channel.source, AL_PITCH, channel.rate);
    ApplyPan(channel);
    return true;
}

bool Decode(std::shared_ptr<const std::vector<std::uint8_t>> bytes, SoundData& sound) {
    const bool ogg =
        bytes->size() >= 4 && (*bytes)[0] == 'O' && (*bytes)[1] == 'g' && (*bytes)[2] == 'g';
    if (!(ogg ? detail::ReadOgg(std::move(bytes), sound) : detail::DecodeWAV(*bytes, sound)))
        return false;
    if (!sound.encoded) sound.frames = sound.CountFrames();
    return true;
}

bool EnsureBuffer(SoundData& sound) {
    if (!Audio().context) return false;
    if (sound.generation != Audio().generation) {
        sound.buffer = 0;
        sound.generation = Audio().generation;
    }
    if (sound.buffer) return true;
    if (sound.samples.empty()) {
        // The last device had the only copy; the file is still where it was loaded from.
        auto bytes = std::make_shared<std::vector<std::uint8_t>>();
        if (!detail::ReadWholeFile(sound.path, *bytes) || !Decode(std::move(bytes), sound))
            return false;
    }
    const ALenum format = sound.channels == 1
                              ? (sound.bits == 8 ? AL_FORMAT_MONO8 : AL_FORMAT_MONO16)
                              : (sound.bits == 8 ? AL_FORMAT_STEREO8 : AL_FORMAT_STEREO16);
    alGetError();
    alGenBuffers(1, &sound.buffer);
    if (alGetError() != AL_NO_ERROR) {
        sound.buffer = 0;
        return false;
    }
    alBufferData(sound.buffer, format, sound.samples.data(),
                 static_cast<ALsizei>(sound.samples.size()), sound.rate);
    if (alGetError() != AL_NO_ERROR) {
        alDeleteBuffers(1, &sound.buffer);
        sound.buffer = 0;
        return false;
    }
    // OpenAL keeps its own copy of the samples: one is enough.
    std::vector<std::uint8_t>().swap(sound.samples);
    return true;
}

// Before anything is played: the device mixes again.
void Wake() {
    AudioState& audio = Audio();
    audio.quietSince.reset();
    if (!audio.resting) return;
    audio.resume(audio.device);
    audio.resting = false;
}

// A stream let play (even while it waits for the decoder) or a source being mixed.
bool Sounding(const ChannelData& channel) {
    if (channel.stream) return channel.stream->LetPlay();
    ALint state = AL_STOPPED;
    alGetSourcei(channel.source, AL_SOURCE_STATE, &state);
    return state == AL_PLAYING;
}

void Detach(ChannelData& channel) {
    channel.stream.reset();
    if (channel.source && Live(channel.generation)) {
        alSourceStop(channel.source);
        alSourcei(channel.source, AL_BUFFER, 0);
    }
    channel.sound.reset();
}

}  // namespace

SoundData::~SoundData() {
    if (buffer && Live(generation)) alDeleteBuffers(1, &buffer);
}

ChannelData::~ChannelData() {
    stream.reset();
    std::erase(Audio().sourced, this);
    if (source && Live(generation)) {
        alSourceStop(source);
        alDeleteSources(1, &source);
    }
}

namespace detail {

void ShutdownSound() {
    AudioState& audio = Audio();
    if (!audio.device) return;
    // A stream's thread uses the context until it is stopped.
    for (ChannelData* channel : audio.sourced) channel->stream.reset();
    audio.sourced.clear();
    audio.resting = false;
    audio.quietSince.reset();
    alcMakeContextCurrent(nullptr);
    if (audio.context) alcDestroyContext(audio.context);
    alcCloseDevice(audio.device);
    audio.context = nullptr;
    audio.device = nullptr;
    ++audio.generation;
}

void RestQuietSound() {
    AudioState& audio = Audio();
    if (!audio.context || !audio.pause || audio.resting) return;
    const std::uint64_t now = SDL_GetTicks64();
    if (now - audio.lastCheck < kQuietCheckMs) return;
    audio.lastCheck = now;
    // Only this thread lets a stream play, so none starts between this look and the pause.
    if (std::any_of(audio.sourced.begin(), audio.sourced.end(),
                    [](const ChannelData* channel) { return Sounding(*channel); })) {
        audio.quietSince.reset();
        return;
    }
    if (!audio.quietSince) audio.quietSince = now;
    if (now - *audio.quietSince < kQuietMsBeforeRest) return;
    audio.pause(audio.device);
    audio.resting = true;
}

}  // namespace detail

bool SelectAudioDriver(const std::string&) {
    AudioState& audio = Audio();
    if (audio.context) return true;
    if (Headless()) ::setenv("ALSOFT_DRIVERS", "null", 1);
    audio.device = alcOpenDevice(nullptr);
    if (!audio.device) return false;
    // The game uses no effects; without their sends every voice OpenAL Soft sets aside at the
    // start (256, whatever number of sources is asked for) takes a tenth less memory.
    const ALCint attributes[] = {ALC_MAX_AUXILIARY_SENDS, 0, 0};
    audio.context = alcCreateContext(audio.device, attributes);
    if (!audio.context || !alcMakeContextCurrent(audio.context)) {
        if (audio.context) alcDestroyContext(audio.context);
        alcCloseDevice(audio.device);
        audio.context = nullptr;
        audio.device = nullptr;
        return false;
    }
    audio.pause = nullptr;
    audio.resume = nullptr;
    if (alcIsExtensionPresent(audio.device, "ALC_SOFT_pause_device")) {
        audio.pause = reinterpret_cast<LPALCDEVICEPAUSESOFT>(
            alcGetProcAddress(audio.device, "alcDevicePauseSOFT"));
        audio.resume = reinterpret_cast<LPALCDEVICERESUMESOFT>(
            alcGetProcAddress(audio.device, "alcDeviceResumeSOFT"));
        if (!audio.resume) audio.pause = nullptr;
    }
    return true;
}

// Every name already selects OpenAL Soft; nothing more to switch on.
void EnableOpenALAudio() {}

Sound LoadSound(const std::string& path, int flags) {
    auto bytes = std::make_shared<std::vector<std::uint8_t>>();
    if (!detail::ReadWholeFile(path, *bytes)) return {};
    auto sound = std::make_shared<SoundData>();
    if (!Decode(std::move(bytes), *sound)) return {};
    sound->path = path;
    sound->looping = flags != -1 && (flags & LOOPINGSOUND) != 0;
    return sound;
}

double SoundLength(const Sound& sound) {
    return sound && sound->rate > 0 ? static_cast<double>(sound->frames) / sound->rate : 0.0;
}

Channel AllocChannel() {
    return std::make_shared<ChannelData>();
}

Channel Cue(const Sound& sound, const Channel& channel) {
    Channel target = channel ? channel : AllocChannel();
    Detach(*target);
    if (!sound) return target;
    target->sound = sound;
    if (sound->encoded) {
        if (!EnsureSource(*target)) return target;
        target->stream = detail::SoundStream::Start(target->source, sound->encoded, sound->looping);
        return target;
    }
    if (!EnsureSource(*target) || !EnsureBuffer(*sound)) return target;
    alSourcei(target->source, AL_BUFFER, static_cast<ALint>(sound->buffer));
    alSourcei(target->source, AL_LOOPING, sound->looping ? AL_TRUE : AL_FALSE);
    // Playing and pausing at once leaves the source paused at its start, ready to go.
    alSourcePlay(target->source);
    alSourcePause(target->source);
    return target;
}

void SetPaused(const Channel& channel, bool paused) {
    if (!channel || !channel->sound || !channel->source || !Live(channel->generation)) return;
    if (!paused) Wake();
    if (channel->stream) {
        channel->stream->SetPaused(paused);
        return;
    }
    ALint state = AL_STOPPED;
    alGetSourcei(channel->source, AL_SOURCE_STATE, &state);
    if (paused && state == AL_PLAYING) alSourcePause(channel->source);
    if (!paused && state == AL_PAUSED) alSourcePlay(channel->source);
}

void Stop(const Channel& channel) {
    if (channel) Detach(*channel);
}

bool Playing(const Channel& channel) {
    if (!channel || !channel->sound || !channel->source || !Live(channel->generation)) return false;
    if (channel->stream) return channel->stream->Playing();
    ALint state = AL_STOPPED;
    alGetSourcei(channel->source, AL_SOURCE_STATE, &state);
    return state == AL_PLAYING || state == AL_PAUSED;
}

void SetVolume(const Channel& channel, float volume) {
    if (!channel) return;
    channel->volume = std::clamp(volume, 0.0f, 1.0f);
    if (channel->source && Live(channel->generation))
        alSourcef(channel->source, AL_GAIN, channel->volume);
}

void SetPan(const Channel& channel, float pan) {
    if (!channel) return;
    channel->pan = std::clamp(pan, -1.0f, 1.0f);
    if (channel->source && Live(channel->generation)) ApplyPan(*channel);
}

void SetRate(const Channel& channel, float rate) {
    if (!channel) return;
    channel->rate = std::clamp(rate, 0.01f, 100.0f);
    if (channel->source && Live(channel->generation))
        alSourcef(channel->source, AL_PITCH, channel->rate);
}

}  // namespace media
