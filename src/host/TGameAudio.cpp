// The host's music, speech and sound-effect switches, volumes and fades.

#include <algorithm>

#include "host/TGame.h"
#include "presentation/TChannelArray.h"
#include "presentation/TGameFade.h"
#include "presentation/TGameSound.h"
#include "system/CheckedLoaders.h"

namespace {

int ClampPercent(int value) {
    return std::clamp(value, 0, 100);
}

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

// ---------------------------------------------------------------- music

void TGame::MusicLoad(const std::string& name, int looped) {
    // "none" names no file: switching music on with nothing chosen must not look for one.
    if (Music && name != "none") {
        MusicStop();
        MusicSample = LoadSoundChecked(MusicPath + name, looped ? media::LOOPINGSOUND : 0);
    }
    MusicLooped = looped;
    MusicRestart = 1;
    MusicFileName = name;
}

void TGame::MusicSet(const media::Sound& sound, const std::string& name, int looped) {
    if (Music) {
        MusicStop();
        MusicSample = sound;
    }
    MusicLooped = looped;
    MusicRestart = 1;
    MusicFileName = name;
}

void TGame::MusicStop() {
    if (Music && MusicChannel && media::Playing(MusicChannel)) StopAndRenew(MusicChannel);
    MusicRestart = 1;
}

void TGame::MusicPlay(int fade) {
    if (Music) {
        if (MusicChannel && MusicSample) {
            MusicFadeInCounter = fade ? CalcAnimLength(MusicFadeIn - 1) : 0.0f;
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

void TGame::MusicNone() {
    MusicFileName = "none";
    MusicName = "none";
    MusicRestart = 1;
}

float TGame::MusicFadeInCalc() {
    const float total = CalcAnimLength(MusicFadeIn);
    if (MusicFadeIn == 0 || total <= 0) return Percent(Presentation.MusicVolume);
    return Percent(Presentation.MusicVolume) * (total - MusicFadeInCounter) / total;
}

float TGame::MusicFadeOutCalc() {
    const float total = CalcAnimLength(MusicFadeOut);
    if (MusicFadeOut == 0 || total <= 0) return 0.0f;
    return Percent(Presentation.MusicVolume) * MusicFadeOutCounter / total;
}

void TGame::MusicFadeInApply() {
    if (MusicChannel) media::SetVolume(MusicChannel, MusicFadeInCalc());
}

void TGame::MusicFadeOutApply() {
    if (MusicChannel) media::SetVolume(MusicChannel, MusicFadeOutCalc());
}

void TGame::MusicFadeInManage() {
    if (MusicFadeInCounter <= 0) return;
    MusicFadeInCounter = std::max(0.0f, MusicFadeInCounter - Presentation.Delta);
    MusicFadeInApply();
}

void TGame::MusicFadeOutManage() {
    if (MusicFadeOutCounter <= 0) return;
    MusicFadeOutCounter = std::max(0.0f, MusicFadeOutCounter - Presentation.Delta);
    MusicFadeOutApply();
}

void TGame::MusicFadeOutSet(float ms) {
    MusicFadeOut = ms;
    MusicFadeOutCounter = CalcAnimLength(ms);
    // A fade-in still running would fight the fade-out for the channel's volume.
    MusicFadeInCounter = 0;
}

void TGame::MusicSetVolume(int volume, int save) {
    MusicVolumeLowered = -1;
    Presentation.MusicVolume = ClampPercent(volume);
    if (MusicChannel) media::SetVolume(MusicChannel, Percent(Presentation.MusicVolume));
    if (save == 1) {
        IniUpdate(1);
        FixedRateLogic.Init();
    }
}

void TGame::MusicLowerVolume(int volume) {
    const int chosen = MusicChosenVolume();
    MusicSetVolume(volume, 0);
    MusicVolumeLowered = chosen;
}

void TGame::MusicRestoreVolume() {
    if (MusicVolumeLowered >= 0) MusicSetVolume(MusicVolumeLowered, 0);
}

int TGame::MusicChosenVolume() const {
    return MusicVolumeLowered >= 0 ? MusicVolumeLowered : Presentation.MusicVolume;
}

void TGame::MusicChangeVolume(int change) {
    MusicSetVolume(MusicChosenVolume() + change, 1);
}

void TGame::ToggleMusic() {
    if (Paused) return;
    if (Music) {
        MusicOff();
    } else {
        MusicOn();
    }
    IniUpdate(1);
    FixedRateLogic.Init();
}

int TGame::MusicOff() {
    if (MusicRestart) return 0;
    Music = 0;
    if (MusicChannel) media::SetPaused(MusicChannel, true);
    if (SpecialChannel) media::SetPaused(SpecialChannel, true);
    MusicRestart = 0;
    return 1;
}

int TGame::MusicOn() {
    if (Music) return 0;
    Music = 1;
    if (MusicRestart || !MusicChannel) {
        MusicLoad(MusicFileName, MusicLooped);
        if (MusicName != "none") MusicPlay(1);
    } else {
        if (MusicChannel && (MusicLooped || !MusicStopped)) media::SetPaused(MusicChannel, false);
        if (SpecialChannel) media::SetPaused(SpecialChannel, false);
    }
    return 1;
}

float TGame::PauseFadeCalc() {
    const float total = CalcAnimLength(PauseFadeLength);
    if (PauseFadeLength == 0 || total <= 0 || PauseFadeDirection == 0)
        return Percent(Presentation.MusicVolume);
    const float left = std::clamp(PauseFadeCounter / total, 0.0f, 1.0f);
    // Direction 1 brings the music back in; -1 takes it out.
    return Percent(Presentation.MusicVolume) * (PauseFadeDirection > 0 ? 1.0f - left : left);
}

void TGame::PauseFadeApply() {
    if (MusicChannel) media::SetVolume(MusicChannel, PauseFadeCalc());
}

void TGame::PauseFadeManage() {
    if (PauseFadeCounter <= 0) return;
    PauseFadeCounter = std::max(0.0f, PauseFadeCounter - Presentation.Delta);
    PauseFadeApply();
}

// ---------------------------------------------------------------- channels and driver

void TGame::ChannelsCreate(int count) {
    if (Channels) Channels->Kill();
    Channels = TChannelArray::Create(count);
    Presentation.Channels = Channels.get();
}

void TGame::ChannelsKill() {
    if (Channels) Channels->Kill();
    Channels.reset();
    Presentation.Channels = nullptr;
}

void TGame::ChangeSoundDriver(const std::string& name, int flag) {
    if (name.rfind("OpenAL", 0) == 0) media::EnableOpenALAudio();
    SoundDriver = media::SelectAudioDriver(name) ? name : "None";
    IniUpdate(flag);
    FixedRateLogic.Init();
}

// ---------------------------------------------------------------- sound effects

void TGame::SoundPlay(const media::Sound& sound) {
    if (!Sound || !sound) return;
    std::erase_if(LooseChannels, [](const media::Channel& c) { return !media::Playing(c); });
    const media::Channel channel = media::Cue(sound);
    if (!channel) return;
    media::SetVolume(channel, Percent(Presentation.SoundVolume));
    media::SetPaused(channel, false);
    LooseChannels.push_back(channel);
}

void TGame::SoundPlaySameChannel(media::Channel& channel, const media::Sound& sound) {
    SoundPlayReturnChannel(channel, sound, 0.0f);
}

void TGame::SoundPlayReturnChannel(media::Channel& channel, const media::Sound& sound, float pan) {
    if (!Sound || !sound) return;
    QuietenIfPlaying(channel);
    channel = media::Cue(sound, channel);
    if (!channel) return;
    media::SetVolume(channel, Percent(Presentation.SoundVolume));
    media::SetPan(channel, pan);
    media::SetPaused(channel, false);
}

void TGame::GameSoundPlay(media::Channel& channel, const TGameSound& gameSound, float pan) {
    if (!Sound || !gameSound.sound) return;
    QuietenIfPlaying(channel);
    channel = media::Cue(gameSound.sound, channel);
    if (!channel) return;
    float volume = gameSound.volume * Percent(Presentation.SoundVolume);
    if (GameFade && GameFade->Active) volume *= GameFade->Ratio;
    media::SetVolume(channel, volume);
    media::SetPan(channel, pan);
    media::SetRate(channel, gameSound.pitch);
    media::SetPaused(channel, false);
}

void TGame::SoundSetVolume(int volume, int save) {
    Presentation.SoundVolume = ClampPercent(volume);
    if (Channels) Channels->BalanceVolumes(0);
    if (save == 1) {
        IniUpdate(1);
        FixedRateLogic.Init();
    }
}

void TGame::SoundChangeVolume(int change) {
    SoundSetVolume(Presentation.SoundVolume + change, 1);
}

void TGame::ToggleSound() {
    if (Sound) {
        SoundOff();
    } else {
        SoundOn();
    }
    IniUpdate(1);
    FixedRateLogic.Init();
}

void TGame::SoundOff() {
    Sound = 0;
}

void TGame::SoundOn() {
    Sound = 1;
}

// ---------------------------------------------------------------- speech

void TGame::SpeechStop() {
    StopAndRenew(Presentation.SpeechChannel);
}

// The speech channel always takes the new line, so the flag changes nothing here.
void TGame::SpeechPlay(const TGameSound& gameSound, int /*flag*/) {
    if (!Speech || !gameSound.sound) return;
    Presentation.SpeechChannel = media::Cue(gameSound.sound, Presentation.SpeechChannel);
    if (!Presentation.SpeechChannel) return;
    media::SetVolume(Presentation.SpeechChannel, Percent(Presentation.SpeechVolume));
    media::SetPaused(Presentation.SpeechChannel, false);
    SpeechStopped = 0;
}

void TGame::SpeechSetVolume(int volume, int save) {
    Presentation.SpeechVolume = ClampPercent(volume);
    if (Presentation.SpeechChannel)
        media::SetVolume(Presentation.SpeechChannel, Percent(Presentation.SpeechVolume));
    if (save == 1) {
        IniUpdate(1);
        FixedRateLogic.Init();
    }
}

void TGame::SpeechChangeVolume(int change) {
    SpeechSetVolume(Presentation.SpeechVolume + change, 1);
}

void TGame::SpeechOff() {
    Speech = 0;
    if (Presentation.SpeechChannel) media::SetPaused(Presentation.SpeechChannel, true);
}

void TGame::SpeechOn() {
    if (Speech) return;
    Speech = 1;
    if (Presentation.SpeechChannel && !SpeechStopped)
        media::SetPaused(Presentation.SpeechChannel, false);
}

void TGame::StopChannels() {
    StopAndRenew(MusicChannel);
    StopAndRenew(Presentation.SpeechChannel);
}

void TGame::SetEscapeSound(const std::string& name) {
    EscapeSound = TGameSound::Create(Presentation.SoundPath + name + ".wav", 0);
}

void TGame::EscapeSoundPlay() {
    if (EscapeSound) GameSoundPlay(EscapeChannel, *EscapeSound, 0.0f);
}
