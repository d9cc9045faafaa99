#include "host/TAudioBuses.h"

#include <algorithm>

#include "host/TDataPaths.h"
#include "host/TFixedRateLogic.h"
#include "host/TSettings.h"
#include "presentation/TChannelArray.h"
#include "presentation/TGameFade.h"
#include "presentation/TGameSound.h"
#include "presentation/TPresentationContext.h"
#include "system/CheckedLoaders.h"

namespace {

// The only driver this platform has; the settings file names it.
const char* const kSoundDriver = "OpenAL Generic Software";

float Percent(int value) {
    return static_cast<float>(value) / 100.0f;
}

// A still-playing channel is turned down at once, so that reusing it never overlaps loudly.
void QuietenIfPlaying(const media::Channel& channel) {
    if (channel && media::Playing(channel)) media::SetVolume(channel, 0.1f);
}

void StopAndRenew(media::Channel& channel) {
    if (channel) media::Stop(channel);
    channel = media::AllocChannel();
}

}  // namespace

TAudioBuses::TAudioBuses(TSettings& settings, TPresentationContext& presentation,
                         const TDataPaths& paths, TFixedRateLogic& timing, const TGameFade& fade)
    : Settings(settings), Presentation(presentation), Paths(paths), Timing(timing), Fade(fade) {
    Settings.ChosenMusicVolume = [this] { return Volume(TBus::Music); };
}

TAudioBuses::~TAudioBuses() {
    Settings.ChosenMusicVolume = nullptr;
}

void TAudioBuses::Open(int channelCount) {
    media::EnableOpenALAudio();
    Settings.SoundDriver = media::SelectAudioDriver(kSoundDriver) ? kSoundDriver : "None";
    Settings.IniUpdate(0);
    Timing.Init();
    MusicChannel = media::AllocChannel();
    Presentation.SpeechChannel = media::AllocChannel();
    EscapeChannel = media::AllocChannel();
    ChannelsCreate(channelCount);
}

void TAudioBuses::ChannelsCreate(int count) {
    if (Channels) Channels->Kill();
    Channels = TChannelArray::Create(count);
    Presentation.Channels = Channels.get();
}

void TAudioBuses::Kill() {
    for (media::Channel* channel : {&MusicChannel, &Presentation.SpeechChannel, &EscapeChannel}) {
        if (*channel) media::Stop(*channel);
        channel->reset();
    }
    if (Channels) Channels->Kill();
    Channels.reset();
    Presentation.Channels = nullptr;
}

// ---------------------------------------------------------------- music

void TAudioBuses::MusicLoad(const std::string& name, int looped) {
    // "none" names no file: switching music on with nothing chosen must not look for one.
    if (Settings.Music && name != "none") {
        MusicStop();
        MusicSample = LoadSoundChecked(Paths.MusicPath + name, looped ? media::LOOPINGSOUND : 0);
    }
    MusicLooped = looped;
    MusicRestart = 1;
    MusicFileName = name;
}

void TAudioBuses::MusicStop() {
    if (Settings.Music && MusicChannel && media::Playing(MusicChannel)) {
        StopAndRenew(MusicChannel);
    }
    MusicRestart = 1;
}

void TAudioBuses::MusicPlay(int fade) {
    if (Settings.Music) {
        if (MusicChannel && MusicSample) {
            MusicFadeInCounter = fade ? Timing.CalcAnimLength(MusicFadeIn - 1) : 0.0f;
            MusicChannel = media::Cue(MusicSample, MusicChannel);
            MusicFadeInApply();
            media::SetPaused(MusicChannel, false);
            MusicRestart = 0;
            MusicStopped = 0;
        }
    } else {
        MusicRestart = 1;
    }
    MusicName = MusicFileName;
}

void TAudioBuses::MusicNone() {
    MusicFileName = "none";
    MusicName = "none";
    MusicRestart = 1;
}

void TAudioBuses::MusicFadeInApply() {
    if (!MusicChannel) return;
    const float total = Timing.CalcAnimLength(MusicFadeIn);
    float volume = Percent(Presentation.MusicVolume);
    if (MusicFadeIn != 0 && total > 0) volume *= (total - MusicFadeInCounter) / total;
    media::SetVolume(MusicChannel, volume);
}

int TAudioBuses::MusicOff() {
    if (MusicRestart) return 0;
    Settings.Music = 0;
    if (MusicChannel) media::SetPaused(MusicChannel, true);
    if (SpecialChannel) media::SetPaused(SpecialChannel, true);
    MusicRestart = 0;
    return 1;
}

int TAudioBuses::MusicOn() {
    if (Settings.Music) return 0;
    Settings.Music = 1;
    if (MusicRestart || !MusicChannel) {
        MusicLoad(MusicFileName, MusicLooped);
        if (MusicName != "none") MusicPlay(1);
    } else {
        if (MusicLooped || !MusicStopped) media::SetPaused(MusicChannel, false);
        if (SpecialChannel) media::SetPaused(SpecialChannel, false);
    }
    return 1;
}

void TAudioBuses::MusicLowerVolume(int volume) {
    const int chosen = Volume(TBus::Music);
    SetVolume(TBus::Music, volume, 0);
    MusicVolumeLowered = chosen;
}

void TAudioBuses::MusicRestoreVolume() {
    if (MusicVolumeLowered >= 0) SetVolume(TBus::Music, MusicVolumeLowered, 0);
}

// ---------------------------------------------------------------- volumes

int& TAudioBuses::VolumeOf(TBus bus) const {
    switch (bus) {
        case TBus::Music:
            return Presentation.MusicVolume;
        case TBus::Sound:
            return Presentation.SoundVolume;
        case TBus::Speech:
            break;
    }
    return Presentation.SpeechVolume;
}

media::Channel* TAudioBuses::ChannelOf(TBus bus) {
    switch (bus) {
        case TBus::Music:
            return &MusicChannel;
        case TBus::Speech:
            return &Presentation.SpeechChannel;
        case TBus::Sound:
            break;
    }
    return nullptr;
}

int TAudioBuses::Volume(TBus bus) const {
    if (bus == TBus::Music && MusicVolumeLowered >= 0) return MusicVolumeLowered;
    return VolumeOf(bus);
}

void TAudioBuses::SetVolume(TBus bus, int volume, int save) {
    if (bus == TBus::Music) MusicVolumeLowered = -1;
    int& stored = VolumeOf(bus);
    stored = std::clamp(volume, 0, 100);
    if (const media::Channel* channel = ChannelOf(bus); channel && *channel) {
        media::SetVolume(*channel, Percent(stored));
    }
    // Effects already playing keep their share of the new volume.
    if (bus == TBus::Sound && Channels) Channels->BalanceVolumes(0);
    if (save == 1) {
        Settings.IniUpdate(1);
        Timing.Init();
    }
}

// ---------------------------------------------------------------- effects and speech

void TAudioBuses::GameSoundPlay(media::Channel& channel, const TGameSound& gameSound, float pan) {
    if (!Settings.Sound || !gameSound.sound) return;
    QuietenIfPlaying(channel);
    channel = media::Cue(gameSound.sound, channel);
    if (!channel) return;
    float volume = gameSound.volume * Percent(Presentation.SoundVolume);
    if (Fade.Active) volume *= Fade.Ratio;
    media::SetVolume(channel, volume);
    media::SetPan(channel, pan);
    media::SetRate(channel, gameSound.pitch);
    media::SetPaused(channel, false);
}

void TAudioBuses::SpeechStop() {
    StopAndRenew(Presentation.SpeechChannel);
}

void TAudioBuses::SpeechOff() {
    Settings.Speech = 0;
    if (Presentation.SpeechChannel) media::SetPaused(Presentation.SpeechChannel, true);
}

void TAudioBuses::SpeechOn() {
    if (Settings.Speech) return;
    Settings.Speech = 1;
    if (Presentation.SpeechChannel && !SpeechStopped) {
        media::SetPaused(Presentation.SpeechChannel, false);
    }
}

void TAudioBuses::SetEscapeSound(const std::string& name) {
    EscapeSound = TGameSound::Create(Presentation.SoundPath + name + ".wav", 0);
}

void TAudioBuses::EscapeSoundPlay() {
    if (EscapeSound) GameSoundPlay(EscapeChannel, *EscapeSound, 0.0f);
}

// ---------------------------------------------------------------- pause and steps

void TAudioBuses::Hold() {
    HeldMusic = Settings.Music;
    HeldSpeech = Settings.Speech;
    if (Settings.Music) MusicOff();
    if (Settings.Speech) SpeechOff();
}

void TAudioBuses::Release() {
    if (HeldMusic == 1) MusicOn();
    if (HeldSpeech == 1) SpeechOn();
}

void TAudioBuses::Manage() {
    if (Settings.Music == 1 && !MusicLooped && MusicChannel && !media::Playing(MusicChannel)) {
        MusicStopped = 1;
    }
    if (Settings.Speech == 1 && Presentation.SpeechChannel &&
        !media::Playing(Presentation.SpeechChannel)) {
        SpeechStopped = 1;
    }
    if (MusicFadeInCounter <= 0) return;
    MusicFadeInCounter = std::max(0.0f, MusicFadeInCounter - Presentation.Delta);
    MusicFadeInApply();
}
