#include "presentation/TFade.h"

#include <algorithm>

#include "presentation/TPresentationContext.h"
#include "system/InputHelpers.h"
#include "system/ScreenSize.h"

namespace {

bool PlayerCutShort() {
    if (AnyMouseHit() || AnyKeyHit()) {
        FlushInput();
        return true;
    }
    return false;
}

}  // namespace

void TFade::Init(float ms, const media::Image& image, const media::Channel& channel) {
    Length = ms;
    Image = image;
    Channel = channel;
    Reset();
}

void TFade::Reset() {
    StartTime = Now();
    LastTime = StartTime;
    Elapsed = 0;
}

void TFade::CentreImage() {
    if (!Image) return;
    X = (ScreenWidth - media::ImageWidth(Image)) / 2;
    Y = (ScreenHeight - media::ImageHeight(Image)) / 2;
}

int TFade::FadeDo(int out) {
    Out = out;
    FlushInput();
    Reset();
    while (Elapsed <= Length) {
        media::NextEvent();
        if (PlayerCutShort()) return -1;
        const float now = Now();
        Elapsed = now - StartTime;
        Ratio = Length > 0 ? std::clamp(Elapsed / Length, 0.0f, 1.0f) : 1.0f;
        if (out == 1) Ratio = 1 - Ratio;
        if (Background) MoveBackground(now, Elapsed);
        Draw();
    }
    return 1;
}

int TFade::WaitForTime(float ms) {
    Out = -1;
    Ratio = 1;
    const float start = Now();
    while (Now() - start <= ms) {
        media::NextEvent();
        if (PlayerCutShort()) return -1;
        if (Background) MoveBackground(Now(), Now() - start);
        Draw();
    }
    return 0;
}

void TFade::MoveBackground(float now, float elapsed) {
    const float seconds = (now - LastTime) / 1000.0f;
    BackgroundX += seconds * BackgroundXSpeed;
    BackgroundY += seconds * BackgroundYSpeed;
    BackgroundZoom += seconds * BackgroundZoomSpeed;
    if (Out == -1 || BackgroundFadeTime <= 0) {
        BackgroundAlpha = 1;
    } else if (Out == 0) {
        BackgroundAlpha = std::min(1.0f, elapsed / BackgroundFadeTime);
    } else {
        BackgroundAlpha =
            std::max(0.0f, 1 - (elapsed - (Length - BackgroundFadeTime)) / BackgroundFadeTime);
    }
    LastTime = now;
}

void TFade::Draw() {
    media::Cls();
    if (Background) {
        media::SetBlend(media::ALPHABLEND);
        media::SetDrawScale(BackgroundZoom, BackgroundZoom);
        media::SetAlpha(BackgroundAlpha);
        media::DrawImageFrame(Background, -BackgroundX * BackgroundZoom,
                              -BackgroundY * BackgroundZoom, 0);
        media::SetDrawScale(1, 1);
    }
    media::SetBlend(media::ALPHABLEND);
    media::SetAlpha(Ratio);
    if (Image) media::DrawImageFrame(Image, static_cast<float>(X), static_cast<float>(Y), 0);
    media::SetAlpha(1);
    if (Channel) {
        const float volume = static_cast<float>(PresentationContext().SoundVolume) / 100.0f;
        media::SetVolume(Channel, Ratio * volume);
    }
    media::Flip(PresentationContext().FlipSyncMode);
}

void TFade::Full() {
    Ratio = 1;
    Draw();
}

void TFade::Zero() {
    Ratio = 0;
    Draw();
}
