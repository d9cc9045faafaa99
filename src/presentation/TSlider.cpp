#include "presentation/TSlider.h"

#include <algorithm>
#include <cmath>

#include "presentation/TMousePointer.h"
#include "presentation/TPresentationContext.h"
#include "system/InputHelpers.h"

namespace {

// The pointer may stray this far past either end and still drag the knob.
constexpr float HoverReachX = 10;
constexpr int KeyLeft = 37, KeyRight = 39;
// The highlighted knob's glow.
constexpr float KeyGlowAlpha = 0.6f;

}  // namespace

std::shared_ptr<TSlider> TSlider::CreateSpecial(const std::string& trackName,
                                                const std::string& knobName, float x, float y,
                                                int border, const std::string& key, int borderY) {
    auto slider = std::make_shared<TSlider>();
    const std::string& folder = PresentationContext().ImagePath;
    slider->SetImage(TGameImage::Create(folder + trackName + slider->Ext, -1, 0));
    slider->DotImage = TGameImage::Create(folder + knobName + slider->Ext, -1, 0);
    slider->SetPosition(x, y);
    slider->Border = border;
    slider->BorderY = borderY;
    if (!key.empty()) slider->SetName(key);
    slider->SetValue(50);
    slider->DotY = static_cast<int>(y);
    slider->active = 1;
    return slider;
}

void TSlider::SetValue(int value) {
    Value = std::clamp(value, 0, 100);
    const float knobHalf = DotImage ? DotImage->w2 : 0.0f;
    DotX = static_cast<int>(
        x + static_cast<float>(Border) +
        static_cast<float>(Value) / 100.0f * static_cast<float>(w - 2 * Border) - knobHalf);
}

int TSlider::Manage() {
    TMousePointer* mouse = PresentationContext().Mouse;
    if (!active || !mouse) return 0;
    const auto px = static_cast<float>(mouse->x);
    const auto py = static_cast<float>(mouse->y);
    const float reachY = static_cast<float>(BorderY);
    if (px < x - HoverReachX || px >= x + static_cast<float>(w) + HoverReachX || py < y - reachY ||
        py >= y + static_cast<float>(h) + reachY) {
        MouseOver = 0;
        return 0;
    }
    MouseOver = 1;
    if (mouse->GetMb() > 0) {
        const float left = x + static_cast<float>(Border);
        const float right = x + static_cast<float>(w - Border);
        if (px <= left) {
            SetValue(0);
        } else if (px >= right) {
            SetValue(100);
        } else {
            SetValue(static_cast<int>(
                std::floor((px - left) / static_cast<float>(w - 2 * Border) * 100.0f + 0.5f)));
        }
    }
    return 1;
}

int TSlider::ManageKeys() {
    if (!active || !KeyFocus) {
        LeftRepeat.LastState = RightRepeat.LastState = 0;
        return 0;
    }
    // A press and release within one step is a hit without a held key; a held key repeats.
    // Both are read every step, so neither keeps a stale hit.
    const bool leftHit = KeyHitChecked(KeyLeft), leftHeld = LeftRepeat.GetKey(KeyLeft) != 0;
    const bool rightHit = KeyHitChecked(KeyRight), rightHeld = RightRepeat.GetKey(KeyRight) != 0;
    const int before = Value;
    if (leftHit || leftHeld) SetValue(Value - KeyStep);
    if (rightHit || rightHeld) SetValue(Value + KeyStep);
    return Value != before ? 1 : 0;
}

void TSlider::Draw() {
    if (!image || !image->image) return;
    media::SetBlend(media::ALPHABLEND);
    media::DrawImageFrame(image->image, x, y, 0);
    if (DotImage && DotImage->image) {
        media::DrawImageFrame(DotImage->image, static_cast<float>(DotX), static_cast<float>(DotY),
                              0);
        if (KeyFocus) {
            media::SetBlend(media::LIGHTBLEND);
            media::SetAlpha(KeyGlowAlpha);
            media::DrawImageFrame(DotImage->image, static_cast<float>(DotX),
                                  static_cast<float>(DotY), 0);
            media::SetAlpha(1);
            media::SetBlend(media::ALPHABLEND);
        }
    }
}
