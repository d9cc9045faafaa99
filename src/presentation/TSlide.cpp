#include "presentation/TSlide.h"

#include "presentation/TPresentationContext.h"
#include "system/ScreenSize.h"

namespace {

void BlackScreen(float alpha) {
    media::SetBlend(media::ALPHABLEND);
    media::SetColor(0, 0, 0);
    media::SetAlpha(alpha);
    media::DrawRect(0, 0, ScreenWidth, ScreenHeight);
    media::SetColor(255, 255, 255);
    media::SetAlpha(1);
}

void DrawSlideImage(const TSlide& slide) {
    if (!slide.Image || !slide.Image->image) return;
    media::SetDrawScale(slide.scale, slide.scale);
    media::DrawImageFrame(slide.Image->image, slide.x, slide.y, 0);
    media::SetDrawScale(1, 1);
}

}  // namespace

std::shared_ptr<TSlide> TSlide::Create(const std::string& imageFile, int flags, int centred,
                                       std::shared_ptr<TTransitionEffect> inEffect,
                                       std::shared_ptr<TTransitionEffect> holdEffect,
                                       std::shared_ptr<TTransitionEffect> outEffect,
                                       const std::string& name) {
    auto slide = std::make_shared<TSlide>();
    if (!imageFile.empty()) slide->Image = TGameImage::Create(imageFile, flags, centred);
    slide->Centred = centred;
    if (centred) slide->CentreCoords();
    slide->InEffect = std::move(inEffect);
    slide->HoldEffect = std::move(holdEffect);
    slide->OutEffect = std::move(outEffect);
    slide->name = name;
    slide->CurrentEffect = slide->InEffect     ? slide->InEffect
                           : slide->HoldEffect ? slide->HoldEffect
                                               : slide->OutEffect;
    return slide;
}

void TSlide::StoreOriginalCoords() {
    ox = x;
    oy = y;
}

void TSlide::CentreCoords() {
    x = ScreenWidth / 2;
    y = ScreenHeight / 2;
}

void TSlide::Kill() {
    Image.reset();
    InEffect.reset();
    HoldEffect.reset();
    OutEffect.reset();
    CurrentEffect.reset();
    LastSlide.reset();
}

void TSlide::MoveBy(const TTransitionEffect& effect) {
    x -= effect.ScrollSpeedX * PresentationContext().Delta;
    y -= effect.ScrollSpeedY * PresentationContext().Delta;
    scale += effect.ZoomSpeed * PresentationContext().Delta;
}

int TSlide::Manage() {
    if (!CurrentEffect) return 1;
    if (!UserManage || UserManage(*this) != 0) {
        MoveBy(*CurrentEffect);
        if (CurrentEffect->EffectType == 3 && LastSlide && LastSlide->CurrentEffect) {
            LastSlide->MoveBy(*LastSlide->CurrentEffect);
        }
    }
    Counter += PresentationContext().Delta;
    if (Counter < static_cast<float>(CurrentEffect->Length)) return 0;
    Counter -= static_cast<float>(CurrentEffect->Length);
    if (CurrentEffect == InEffect && HoldEffect) {
        CurrentEffect = HoldEffect;
    } else if (CurrentEffect != OutEffect && OutEffect) {
        CurrentEffect = OutEffect;
    } else {
        return 1;
    }
    return 0;
}

void TSlide::Draw() {
    if (!CurrentEffect) return;
    const TTransitionEffect& effect = *CurrentEffect;
    const float r = effect.Length > 0 ? Counter / static_cast<float>(effect.Length) : 1.0f;
    media::SetBlend(media::SOLIDBLEND);
    if (effect.EffectType == 3 && LastSlide) {
        DrawSlideImage(*LastSlide);
        if (LastSlide->UserDraw) LastSlide->UserDraw(*LastSlide);
        media::SetBlend(media::ALPHABLEND);
        media::SetAlpha(r);
    }
    DrawSlideImage(*this);
    media::SetBlend(media::ALPHABLEND);
    if (UserDraw) UserDraw(*this);
    media::SetDrawScale(1, 1);
    media::SetAlpha(1);

    const bool mask = effect.MaskImage != nullptr;
    const float growing = effect.MaskStartSize + (effect.MaskEndSize - effect.MaskStartSize) * r;
    if (mask && (effect.EffectType == 0 || effect.EffectType == 3)) {
        DrawMask(effect.MaskEndSize);
    } else if (effect.EffectType == 1) {
        if (mask) {
            DrawMask(growing);
            if (effect.MaskAndFade) BlackScreen(1 - r);
        } else {
            BlackScreen(1 - r);
        }
    } else if (effect.EffectType == 2) {
        if (mask) {
            DrawMask(growing);
            if (effect.MaskAndFade) BlackScreen(r);
        } else {
            BlackScreen(r);
        }
    }
}

void TSlide::DrawMask(float size) const {
    if (!CurrentEffect || !CurrentEffect->MaskImage || !CurrentEffect->MaskImage->image) return;
    media::SetBlend(media::ALPHABLEND);
    media::SetDrawScale(size, size);
    media::DrawImageFrame(CurrentEffect->MaskImage->image, ScreenWidth / 2, ScreenHeight / 2, 0);
    media::SetDrawScale(1, 1);
}
