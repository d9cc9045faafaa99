#pragma once
// The three audio buses, music, sound effects and speech: their switches and volumes, the
// music's tune and fade-in, and the channels the host plays on.

#include <memory>
#include <string>
#include <vector>

#include "media/Media.h"

class TChannelArray;
class TDataPaths;
class TFixedRateLogic;
class TGameFade;
class TGameSound;
class TSettings;
struct TPresentationContext;

enum class TBus { Music, Sound, Speech };

class TAudioBuses {
public:
    TAudioBuses(TSettings& settings, TPresentationContext& presentation, const TDataPaths& paths,
                TFixedRateLogic& timing, const TGameFade& fade);
    ~TAudioBuses();
    TAudioBuses(const TAudioBuses&) = delete;
    TAudioBuses& operator=(const TAudioBuses&) = delete;

    media::Channel MusicChannel;
    // The in-game menu's sounds: paused with the music.
    media::Channel SpecialChannel;
    std::shared_ptr<TChannelArray> Channels;

    // The sound driver the settings name, the channels of the music, speech and Escape, and
    // `channelCount` sound-effect channels.
    void Open(int channelCount);
    void ChannelsCreate(int count);
    void Kill();

    // The tune `name` in the music folder, played by MusicPlay ("none" names no file).
    void MusicLoad(const std::string& name, int looped);
    void MusicPlay(int fade);
    void MusicStop();
    void MusicNone();
    // Switches the music bus off (keeping the tune's place) and on again; 1 when it changed.
    int MusicOff();
    int MusicOn();
    // Plays the music at `volume` for a while without touching the player's volume, which the
    // settings file keeps; MusicRestoreVolume brings the player's volume back.
    void MusicLowerVolume(int volume);
    void MusicRestoreVolume();

    // A bus's volume as the player chose it (for the music, lowered or not), 0 to 100.
    [[nodiscard]] int Volume(TBus bus) const;
    // Sets a bus's volume, clamped to 0..100, on whatever plays; save 1 writes the settings.
    // The music's volume set here ends any lowering.
    void SetVolume(TBus bus, int volume, int save);

    // Plays a sample through the sound switch and volume, quietened with the screen fade.
    void GameSoundPlay(media::Channel& channel, const TGameSound& gameSound, float pan);
    void SpeechStop();
    void SetEscapeSound(const std::string& name);
    void EscapeSoundPlay();

    // Silences the music and speech for a pause or the background, and brings back what
    // played before.
    void Hold();
    void Release();
    // One logic step: the music's fade-in, and tunes that ended by themselves.
    void Manage();

private:
    TSettings& Settings;
    TPresentationContext& Presentation;
    const TDataPaths& Paths;
    TFixedRateLogic& Timing;
    const TGameFade& Fade;

    media::Sound MusicSample;
    std::string MusicFileName = "none", MusicName = "none";
    int MusicLooped = 1;
    int MusicRestart = 1;
    int MusicStopped = 0;
    float MusicFadeIn = 50.0f;
    float MusicFadeInCounter = 0.0f;
    // The player's music volume while a celebration plays the music quieter (-1 when none).
    int MusicVolumeLowered = -1;
    int SpeechStopped = 0;
    int HeldMusic = 1, HeldSpeech = 1;
    std::shared_ptr<TGameSound> EscapeSound;
    media::Channel EscapeChannel;

    void SpeechOff();
    void SpeechOn();
    void MusicFadeInApply();
    // The context's field that keeps the bus's volume.
    [[nodiscard]] int& VolumeOf(TBus bus) const;
    [[nodiscard]] media::Channel* ChannelOf(TBus bus);
};
