#include "presentation/TGameFade.h"

#include <algorithm>

#include "presentation/TMousePointer.h"
#include "presentation/TPresentationContext.h"
#include "system/InputHelpers.h"
#include "system/ScreenSize.h"

int TGameFade::Init(float ms, int out, const media::Channel& channel, int allowAnim,
                    float startCounter) {
    if (Active) return 0;
    TPresentationContext& context = PresentationContext();
    Length = static_cast<int>(context.CalcAnimLength(static_cast<float>(static_cast<int>(ms))));
    Counter = startCounter;
    Active = true;
    Out = out != 0;
    FlushInput();
    Done = false;
    Channel = channel;
    AllowAnim = allowAnim != 0;
    FadeInAborted = false;
    FadeCounterBeforeAbort = 0;
    SetToFullOnAbort = true;
    AbortKey = -1;
    if (Out) context.FadeMusic = true;
    Ratio = Out ? 1.0f : 0.0f;
    if (startCounter > 0) CalcRatio();
    if (!context.Fade || context.NoFade || context.ReducedMotion) Finish();
    return 1;
}

int TGameFade::Manage() {
    if (!Active) return 0;
    const int key = FirstKeyHit();
    TMousePointer* mouse = PresentationContext().Mouse;
    const int clicks = mouse ? mouse->GetMh(1) : 0;
    if (key >= 0 || clicks > 0) {
        if (!Out) {
            FadeInAborted = true;
            AbortKey = key >= 0 ? key : -1;
        }
        Finish();
        return -1;
    }
    Counter += PresentationContext().Delta;
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
    const TPresentationContext& context = PresentationContext();
    if (Channel)
        media::SetVolume(Channel, Ratio * static_cast<float>(context.MusicVolume) / 100.0f);
    if (context.SpeechChannel) {
        media::SetVolume(context.SpeechChannel,
                         Ratio * static_cast<float>(context.SpeechVolume) / 100.0f);
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
    Active = false;
    Done = true;
    if (Out) {
        Ratio = 0.0f;
    } else {
        if (FadeInAborted) FadeCounterBeforeAbort = Counter;
        if (SetToFullOnAbort) Ratio = 1.0f;
    }
    FadeChannels();
    TPresentationContext& context = PresentationContext();
    if (Out) {
        context.SpeechStop();
    } else {
        context.PostFadeIn();
    }
    if (Out && context.Fade && !context.NoFade && media::DisplayOpen()) {
        // Keep the screen black while the next screen loads.
        media::SetClsColor(0, 0, 0);
        media::Cls();
        if (!context.FadeMouse && context.Mouse) context.Mouse->Draw();
        media::Flip(context.FlipSyncMode);
    }
    context.NoFade = false;
    FlushInput();
}

int TGameFade::GetDone() {
    if (!Done) return 0;
    Done = false;
    return 1;
}
