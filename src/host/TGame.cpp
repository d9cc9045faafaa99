#include "host/TGame.h"

#include <vector>

#include "host/JsonObject.h"
#include "host/WidgetStateJson.h"
#include "media/Media.h"
#include "presentation/TChannelArray.h"
#include "presentation/TMousePointer.h"
#include "store/TIniFile.h"
#include "system/HostInput.h"

TGame::TGame() {
    // The game's own default; a context without a host keeps every particle.
    Presentation.Particles = 80;
    Presentation.Mouse = &Display.Mouse();
    Presentation.GameFade = &Fade;
    Presentation.CalcAnimLength = [this](float ms) { return Timing.CalcAnimLength(ms); };
    Presentation.GameSoundPlay = [this](media::Channel& channel, const TGameSound& sound,
                                        float pan) { Audio.GameSoundPlay(channel, sound, pan); };
    Presentation.SpeechStop = [this] { Audio.SpeechStop(); };
    Presentation.PostFadeIn = [this] {
        if (TScreen* screen = Screens.Current()) screen->PostFadeIn();
    };
    Loop.SaveProfileFunction = [this] { Session.SaveProfile(); };
    Screens.SetExitScreen(ExitScreen);
    Timing.Create();
    InstallPresentationContext(&Presentation);
}

TGame::~TGame() {
    if (&PresentationContext() == &Presentation) InstallPresentationContext(nullptr);
}

THost TGame::Parts() {
    return {Screens, Loop,    Timing, Audio,        Display,     Settings,
            Session, Dialogs, Paths,  Presentation, Preferences, Language};
}

void TGame::Init(const std::string& subPath, int channelCount) {
    Paths.SetSubPath(subPath);
    Settings.CheckGoodExit();
    Paths.CreateFolders();
    Settings.Load();
    Preferences.Load();
    Presentation.ReducedMotion = Preferences.ReducedMotion;
    Presentation.FlipSyncMode = Settings.VSync ? 1 : 0;
    Audio.Open(channelCount);
}

void TGame::Kill() {
    Settings.MakeGoodExit();
    Dialogs.Clear();
    Audio.Kill();
}

void TGame::AddState(JsonObject& state) const {
    JsonObject screen;
    if (const TScreen* current = Screens.Current()) current->AddState(screen);
    screen.Set("Texts", TextsOfLayer(DrawnTexts, 0));
    state.Set("screen", screen);
    if (!Dialogs.Empty()) {
        std::vector<JsonObject> dialogs;
        for (const TDialogState& dialog : Dialogs.Describe()) {
            dialogs.push_back(DialogJson(dialog));
            dialogs.back().Set("Texts", TextsOfLayer(DrawnTexts, static_cast<int>(dialogs.size())));
        }
        state.Set("dialogs", dialogs);
    }
    state.Set("TextLayout", TextLayoutJson(DrawnTexts));
    state.Set("FullScreen", Settings.FullScreen);
    state.Set("Paused", Loop.Paused);
    state.Set("Suspended", Loop.Suspended);
    state.Set("ProfileName", Settings.ProfileName);
    state.Set("ReducedMotion", Preferences.ReducedMotion);
    static constexpr const char* kSources[] = {"mouse", "keys", "pad"};
    state.Set("Input", std::string(kSources[static_cast<int>(Input().LastSource)]));
    state.Set("Language", Language.Current);
    if (const TChannelArray* channels = Audio.Channels.get()) {
        JsonObject counts;
        counts.Set("Count", static_cast<int>(channels->Channels.size()));
        counts.Set("MaxVol", static_cast<double>(channels->MaxVol));
        state.Set("Channels", counts);
    }
}
