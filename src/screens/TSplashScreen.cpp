#include "screens/TSplashScreen.h"

#include "host/JsonObject.h"
#include "host/TDisplay.h"
#include "host/TFixedRateLogic.h"
#include "host/TMainLoop.h"
#include "host/TScreenSwitcher.h"
#include "host/TSettings.h"
#include "media/Platform.h"
#include "presentation/TMousePointer.h"
#include "presentation/TPresentationContext.h"
#include "system/CheckedLoaders.h"
#include "system/InputHelpers.h"
#include "system/ScreenSize.h"

void TSplashScreen::Init(const std::string& imageFile, const std::string& soundFile, int sound,
                         int fadeSound) {
    Image = LoadImageChecked(media::ResolvePath(imageFile), -1);
    if (Image) media::MidHandleImage(Image);
    Sample = soundFile.empty() ? media::Sound() : LoadSoundChecked(soundFile, 0);
    Sound = sound;
    FadeSound = fadeSound;
    ClearAllInput();
}

void TSplashScreen::InitTimes(float in, float full, float out) {
    TimeIn = in;
    TimeFull = full;
    TimeOut = out;
}

void TSplashScreen::Kill() {
    if (Channel) media::Stop(Channel);
    Channel.reset();
    Sample.reset();
    TScreen::Kill();
    ClearAllInput();
    Host.Loop.IgnoreEscapeKey = 0;
    Host.Display.Mouse().On();
}

void TSplashScreen::Start() {
    TScreen::Start();
    // Escape cuts the splash short like any other key, instead of ending the program.
    Host.Loop.IgnoreEscapeKey = 1;
    Host.Display.Mouse().Off();
    Elapsed = 0;
    Done = 0;
    if (Sound && Sample && Host.Settings.Sound) {
        Channel = media::Cue(Sample, Channel);
        if (Channel) {
            media::SetVolume(Channel, FadeSound ? 0.0f : SampleRate);
            media::SetPaused(Channel, false);
        }
    }
}

void TSplashScreen::Logic() {
    if (Done) return;
    // Escape reaches the splash as an ignored Escape; it cuts the splash short like any key.
    const bool escape = Host.Loop.TakeEscapeHit();
    if (AnyKeyHit() || escape || Host.Display.Mouse().GetMh(1) != 0) {
        Finish();
        return;
    }
    Elapsed += Host.Presentation.Delta;
    if (Elapsed >= Host.Timing.CalcAnimLength(TimeIn + TimeFull + TimeOut)) {
        Finish();
        return;
    }
    if (Channel && FadeSound) media::SetVolume(Channel, SampleRate * Visibility());
}

void TSplashScreen::Finish() {
    Done = 1;
    Host.Screens.FadeTo(Next);
}

float TSplashScreen::Visibility() const {
    const float in = Host.Timing.CalcAnimLength(TimeIn);
    const float full = Host.Timing.CalcAnimLength(TimeFull);
    const float out = Host.Timing.CalcAnimLength(TimeOut);
    if (Elapsed < in) return in > 0 ? Elapsed / in : 1;
    if (Elapsed < in + full) return 1;
    if (out <= 0) return 0;
    const float left = (in + full + out - Elapsed) / out;
    return left < 0 ? 0 : left;
}

void TSplashScreen::Draw() {
    media::SetClsColor(0, 0, 0);
    media::Cls();
    if (!Image) return;
    media::SetBlend(media::ALPHABLEND);
    media::SetAlpha(Visibility());
    media::DrawImageFrame(Image, static_cast<float>(ScreenWidth) / 2,
                          static_cast<float>(ScreenHeight) / 2, 0);
    media::SetAlpha(1);
}

void TSplashScreen::AddState(JsonObject& state) const {
    TScreen::AddState(state);
    state.Set("Visibility", static_cast<double>(Visibility()));
    state.Set("Done", Done);
}
