#include "screens/TSplashScreen.h"

#include "host/JsonObject.h"
#include "host/TGame.h"
#include "media/Platform.h"
#include "presentation/TMousePointer.h"
#include "system/CheckedLoaders.h"
#include "system/InputHelpers.h"

namespace {

constexpr int KeyEscape = 27;

}  // namespace

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

int TSplashScreen::DoSplash() {
    PreStart();
    while (!Done) {
        if (Game->MainLogicLoop() == -1) {
            Ended = 1;
            break;
        }
        Game->ScreenDraw();
    }
    return CutShort ? -1 : 0;
}

void TSplashScreen::CleanUp() {
    if (Channel) media::Stop(Channel);
    Channel.reset();
    Sample.reset();
    Kill();
    ClearAllInput();
    Game->IgnoreEscapeKey = 0;
    Game->Mouse->On();
}

void TSplashScreen::Start() {
    TScreen::Start();
    // Escape cuts the splash short like any other key, instead of ending the program.
    Game->IgnoreEscapeKey = 1;
    Game->Mouse->Off();
    Elapsed = 0;
    Done = 0;
    CutShort = 0;
    if (Sound && Sample && Game->Sound) {
        Channel = media::Cue(Sample, Channel);
        if (Channel) {
            media::SetVolume(Channel, FadeSound ? 0.0f : SampleRate);
            media::SetPaused(Channel, false);
        }
    }
}

void TSplashScreen::Logic() {
    if (Done) return;
    const bool keyHit = AnyKeyHit() || Game->EscapeHitFlags[KeyEscape] != 0;
    Game->EscapeHitFlags[KeyEscape] = 0;
    if (keyHit || Game->Mouse->GetMh(1) != 0) {
        Done = 1;
        CutShort = 1;
        return;
    }
    Elapsed += Game->Presentation.Delta;
    if (Elapsed >= Game->CalcAnimLength(TimeIn + TimeFull + TimeOut)) Done = 1;
    if (Channel && FadeSound) media::SetVolume(Channel, SampleRate * Visibility());
}

float TSplashScreen::Visibility() const {
    const float in = Game->CalcAnimLength(TimeIn);
    const float full = Game->CalcAnimLength(TimeFull);
    const float out = Game->CalcAnimLength(TimeOut);
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
