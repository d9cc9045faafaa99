#pragma once
// What sprites, fonts, widgets, particles, fades and sounds need of the program that runs them.
//
// Presentation sits below the host: the host owns and drives presentation objects (its fade,
// pointer, channels and "paused" sign), so presentation must never reach back up into it. The
// host owns one context instead, keeps it filled, and installs it for its lifetime; everything in
// this folder reads the installed context through PresentationContext(). Tests that run
// presentation code without a host install a context of their own. With none installed, a
// context of defaults answers: normal speed (5 ms steps), every particle, no folders, no pointer,
// no channels, and sounds that play nowhere.

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "media/Media.h"
#include "presentation/TextLog.h"

class TChannelArray;
class TGameFade;
class TGameSound;
class TMousePointer;

struct TPresentationContext {
    // Length of the logic pass now running, in steps (1.0, or the fraction of a frame's last
    // pass); every per-step change is multiplied by it. The host's timer writes it.
    float Delta = 1.0f;
    // Synchronisation argument of every buffer flip: 1 vertical blank, 0 none, -1 driver default.
    int FlipSyncMode = 1;
    // Milliseconds to logic steps at the host's current speed.
    std::function<float(float ms)> CalcAnimLength = [](float ms) { return ms / 5.0f; };

    // Share of the particles that thinned particle lists make, 0 to 100.
    int Particles = 100;
    // Data folders, each ending in "/" (empty: the working folder).
    std::string ImagePath, SoundPath, MenuPath, TextPath;
    // The sub-folder ("de/", empty for English) of the image and menu folders that holds the
    // pictures drawn with texts in the player's language; a picture it lacks comes from above.
    std::string LanguageFolder;
    // The English caption drawn on each button picture, by the picture's upper-cased name, as
    // the generator lists them in the menu folder's "captions.txt".
    std::map<std::string, std::string> ButtonCaptions;
    // Option volumes, 0 to 100.
    int SoundVolume = 100, MusicVolume = 50, SpeechVolume = 100;
    // The host's speech channel, faded with the screen.
    media::Channel SpeechChannel;
    // How far the playfield is scrolled; sprites draw shifted by it.
    float ScrollX = 0, ScrollY = 0;

    // The host's pointer, sound-effect channels and screen fade; null when no host runs.
    TMousePointer* Mouse = nullptr;
    TChannelArray* Channels = nullptr;
    TGameFade* GameFade = nullptr;

    // Screen fades: 0 turns them off in the options; NoFade ends the next one at once (reset
    // when it ends); FadeMouse draws the pointer under the fade instead of over it; FadeMusic
    // lets the next Escape fade take the music down with the picture.
    int Fade = 1;  // a setting, kept as the settings file has it
    bool NoFade = false;
    bool FadeMouse = false;
    bool FadeMusic = true;
    // True while a text field takes the keys: the host ignores its global keys meanwhile.
    bool BlockKeys = false;
    // The player asked for calmer screens: decoration stands still, screen fades are cuts and
    // thinned particle lists make only a few; play itself still moves.
    bool ReducedMotion = false;
    static constexpr int ReducedMotionParticles = 10;

    // The shadow of all text drawing, and the alpha of the text itself (restored after a shadow
    // pass and multiplied into the shadow).
    float TextShadowX = 1.0f, TextShadowY = 1.0f, TextShadowAlpha = 0.5f;
    float TextAlpha = 1.0f;
    // The texts of the frame, noted while the host keeps this log (null: not kept); the layer
    // and box the texts drawn now belong to (see TextLog.h).
    std::vector<TDrawnText>* TextLog = nullptr;
    int TextLayer = 0;
    bool TextBounded = false;
    TTextRect TextBounds;

    // Plays a sample through the host's sound switch and volume; the channel receives the
    // channel used.
    std::function<void(media::Channel& channel, const TGameSound& sound, float pan)> GameSoundPlay =
        [](media::Channel&, const TGameSound&, float) {};
    // The screen fade ran out (speech stops) or faded in (the current screen's PostFadeIn).
    std::function<void()> SpeechStop = [] {};
    std::function<void()> PostFadeIn = [] {};
};

// The installed context, or the defaults when none is.
TPresentationContext& PresentationContext();
// Makes `context` the one presentation code reads; null goes back to the defaults. The caller
// keeps it alive while installed.
void InstallPresentationContext(TPresentationContext* context);

// The picture at `path` as drawn in the player's language ("graphics/de/paused.png" for
// "graphics/paused.png") where the language has its own, else `path`.
[[nodiscard]] std::string InPlayersLanguage(const std::string& path);
