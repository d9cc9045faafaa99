#include "presentation/TToolTip.h"

#include <algorithm>
#include <cmath>

#include "presentation/TMousePointer.h"
#include "presentation/TPresentationContext.h"
#include "presentation/TextDrawing.h"
#include "presentation/Timing.h"
#include "system/ScreenSize.h"
#include "system/TextLines.h"

void TToolTip::SetText(const std::string& text) {
    if (Visible) return;
    Text = text;
    TextWrapped =
        WrapLines(SplitLines(text), static_cast<float>(TextDrawWidth), font.BitmapFont.get(), 1.0f);
}

void TToolTip::SetCollideCounterMax(float ms) {
    CollideCounterMax = StepsFromMs(ms);
}

void TToolTip::Place() {
    const TMousePointer* pointer = PresentationContext().Mouse;
    if (!pointer) return;
    const TMousePointer& mouse = *pointer;
    const float plateW = image ? static_cast<float>(image->w) : 0;
    const float plateH = image ? static_cast<float>(image->h) : 0;
    const float below = static_cast<float>(mouse.y + mouse.h + GapFromMouse);
    if (AlwaysShowAboveMouse || below + plateH > static_cast<float>(ScreenHeight)) {
        y = static_cast<float>(mouse.y - GapFromMouse) - plateH;
    } else {
        y = below;
    }
    x = static_cast<float>(mouse.x + XOffset);
    if (x + plateW > static_cast<float>(ScreenWidth)) x = static_cast<float>(ScreenWidth) - plateW;
}

void TToolTip::Collide(bool over) {
    if (over) {
        CollideCounter += PresentationContext().Delta;
        if (CollideCounter > CollideCounterMax) {
            CollideCounter = CollideCounterMax;
            const bool appearing = !Shown;
            Shown = 1;
            Visible = 1;
            if (appearing && ToolTipSound) ToolTipSound->PlayEffect();
            if (DrawUnderMouseCursor && (appearing || !SetCoordsOnceOnly)) Place();
        }
    } else {
        CollideCounter = 0;
        Shown = 0;
    }
    if (Shown) {
        FadeLevel =
            Fade ? std::min(1.0f, FadeLevel + FadeInSpeed * PresentationContext().Delta) : 1.0f;
    } else if (Fade && FadeLevel > 0) {
        FadeLevel = std::max(0.0f, FadeLevel - FadeOutSpeed * PresentationContext().Delta);
        if (FadeLevel == 0) Visible = 0;
    } else {
        FadeLevel = 0;
        Visible = 0;
    }
}

void TToolTip::Draw() {
    if (!Visible) return;
    media::SetBlend(media::ALPHABLEND);
    const float alpha = Fade ? FadeLevel : 1.0f;
    media::SetAlpha(alpha);
    if (image && image->image) media::DrawImageFrame(image->image, x, y, 0);
    if (font.BitmapFont) {
        font.Apply();
        media::SetAlpha(alpha * (font.Color ? font.Color->Alpha : 1.0f));
        PresentationContext().TextAlpha = alpha;
        const float plateW2 = image ? image->w2 : 0;
        const float plateH2 = image ? image->h2 : 0;
        float cx = x + plateW2;
        if (RoundedCoords) cx = std::floor(cx + 0.5f);
        font.BitmapFont->DrawStringArray(TextWrapped, cx,
                                         y + plateH2 + static_cast<float>(TextYOffset), 1, 0,
                                         RoundedCoords, RoundedCoords, font.Shadow ? 1 : 0, 0, 1);
    }
    TColor::Restore();
    PresentationContext().TextAlpha = 1;
    media::SetAlpha(1);
}

void TToolTip::Kill() {
    image.reset();
    ToolTipSound.reset();
    font.Kill();
    Visible = 0;
}
