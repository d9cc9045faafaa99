#include "presentation/TGameFade.h"

#include <algorithm>

#include "host/TGame.h"
#include "presentation/TMousePointer.h"
#include "system/InputHelpers.h"

int TGameFade::Init(float ms, int out, const media::Channel& channel, int allowAnim,
                    float startCounter) {
    if (Active) return 0;
    Length = static_cast<int>(Game->CalcAnimLength(static_cast<float>(static_cast<int>(ms))));
    Counter = startCounter;
    Active = 1;
    Out = out;
    FlushInput();
    Done = 0;
    Channel = channel;
    AllowAnim = allowAnim;
    FadeInAborted = 0;
    FadeCounterBeforeAbort = 0;
    SetToFullOnAbort = 1;
    AbortKey = -1;
    if (Out) Game->FadeMusic = 1;
    Ratio = Out ? 1.0f : 0.0f;
    if (startCounter > 0) CalcRatio();
    if (!Game->Fade || Game->NoFade) Finish();
    return 1;
}

int TGameFade::Manage() {
    if (!Active) return 0;
    const int key = FirstKeyHit();
    const int clicks = Game->Mouse ? Game->Mouse->GetMh(1) : 0;
    if (key >= 0 || clicks > 0) {
        if (!Out) {
            FadeInAborted = 1;
            AbortKey = key >= 0 ? key : -1;
        }
        Finish();
        return -1;
    }
    Counter += Delta;
    CalcRatio();
    FadeChannels();
    if (Counter >= static_cast<float>(Length)) {
        Finish();
        return 1;
    }
    return 0;
}

void TGameFade::CalcRatio() {
    // A zero-length fade (this game's standard) is complete from its first step.
    const float done =
        Length > 0 ? std::clamp(Counter / static_cast<float>(Length), 0.0f, 1.0f) : 1.0f;
    Ratio = Out ? 1.0f - done : done;
}

void TGameFade::FadeChannels() {
    if (Channel) media::SetVolume(Channel, Ratio * static_cast<float>(Game->MusicVolume) / 100.0f);
    if (Game->SpeechChannel) {
        media::SetVolume(Game->SpeechChannel,
                         Ratio * static_cast<float>(Game->SpeechVolume) / 100.0f);
    }
}

void TGameFade::Draw() const {
    if (!Active) return;
    media::SetBlend(media::ALPHABLEND);
    media::SetColor(0, 0, 0);
    media::SetAlpha(1.0f - Ratio);
    media::DrawRect(0, 0, ScreenWidth, ScreenHeight);
    media::SetAlpha(1.0f);
    media::SetColor(255, 255, 255);
}

void TGameFade::Finish() {
    Active = 0;
    Done = 1;
    if (Out) {
        Ratio = 0.0f;
    } else {
        if (FadeInAborted) FadeCounterBeforeAbort = Counter;
        if (SetToFullOnAbort) Ratio = 1.0f;
    }
    FadeChannels();
    if (Out) {
        Game->SpeechStop();
    } else if (Game->CurrentTScreen) {
        Game->CurrentTScreen->PostFadeIn();
    }
    if (Out && Game->Fade && !Game->NoFade && media::DisplayOpen()) {
        // Keep the screen black while the next screen loads.
        media::SetClsColor(0, 0, 0);
        media::Cls();
        if (!Game->FadeMouse && Game->Mouse) Game->Mouse->Draw();
        media::Flip(FlipSyncMode);
    }
    Game->NoFade = 0;
    FlushInput();
}

int TGameFade::GetDone() {
    if (!Done) return 0;
    Done = 0;
    return 1;
}
