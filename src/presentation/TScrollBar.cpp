#include "presentation/TScrollBar.h"

#include <algorithm>
#include <cmath>

#include "presentation/TMousePointer.h"
#include "presentation/TPresentationContext.h"
#include "presentation/Timing.h"

namespace {

constexpr int RepeatFirstMs = 400;
constexpr int RepeatNextMs = 100;

}  // namespace

std::unique_ptr<TScrollBar> TScrollBar::Create(const std::string& thumbPath, int size,
                                               double valueMax, float x, float y, int vertical) {
    auto bar = std::make_unique<TScrollBar>();
    bar->Slider = TGameImage::Create(thumbPath, -1, 0);
    bar->Size = size;
    bar->X = x;
    bar->Y = y;
    bar->Vertical = vertical;
    bar->SetValueMax(valueMax);
    return bar;
}

void TScrollBar::SetArrows(const std::string& upName, const std::string& downName,
                           int milliseconds) {
    UpName = upName;
    DownName = downName;
    Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 0);
    // The list it scrolls answers the keys; its arrows are for the mouse.
    Menu->KeyNavigation = 0;
    for (const std::string& name : {upName, downName}) {
        auto button = Menu->AddQuickAuto(name, name);
        button->ClickDisabled = 0;
        button->ClickWhenDown = 1;
        if (!button->ImageMouseClick && button->ImageMouseOver) {
            button->ImageMouseClick = button->ImageMouseOver;
        }
        button->MouseClickDuration = StepsFromMs(static_cast<float>(milliseconds));
        button->SetupMouseRepeat(RepeatFirstMs, RepeatNextMs);
    }
    auto up = Menu->Buttons[0];
    auto down = Menu->Buttons[1];
    const float thumbAcross = Slider ? static_cast<float>(Vertical ? Slider->w : Slider->h) : 0;
    if (Vertical) {
        const float centre = X + thumbAcross / 2;
        up->MoveTo(centre - static_cast<float>(up->w) / 2, Y - static_cast<float>(up->h));
        down->MoveTo(centre - static_cast<float>(down->w) / 2, Y + static_cast<float>(Size));
    } else {
        const float centre = Y + thumbAcross / 2;
        up->MoveTo(X - static_cast<float>(up->w), centre - static_cast<float>(up->h) / 2);
        down->MoveTo(X + static_cast<float>(Size), centre - static_cast<float>(down->h) / 2);
    }
    DisableButtons();
}

void TScrollBar::SetValueMax(double valueMax) {
    ValueMax = std::max(0.0, valueMax);
    ValuePrecise = std::clamp(ValuePrecise, 0.0, ValueMax);
    ValueRound();
    SliderSetPosition(ValuePrecise);
    DisableButtons();
}

int TScrollBar::Room() const {
    const int thumb = Slider ? (Vertical ? Slider->h : Slider->w) : 0;
    return Size - thumb;
}

void TScrollBar::SliderSetPosition(double value) {
    SliderPosition =
        ValueMax == 0 ? 0 : static_cast<int>(std::floor(value * Room() / ValueMax + 0.5));
}

void TScrollBar::ValueCalc() {
    ValuePrecise = ValueMax == 0 || Room() <= 0 ? 0 : SliderPosition / (Room() / ValueMax);
    ValueRound();
}

void TScrollBar::ValueRound() {
    Value = static_cast<int>(std::floor(ValuePrecise + 0.5));
}

void TScrollBar::DisableButtons() {
    if (!Menu || Menu->Buttons.size() < 2) return;
    auto& up = *Menu->Buttons[0];
    auto& down = *Menu->Buttons[1];
    if (up.ImageDisabled) up.Disabled = ValuePrecise == 0 ? 1 : 0;
    if (down.ImageDisabled) down.Disabled = ValuePrecise == ValueMax ? 1 : 0;
}

void TScrollBar::Step(double by) {
    ValuePrecise = std::clamp(ValuePrecise + by, 0.0, ValueMax);
    ValueRound();
    SliderSetPosition(ValuePrecise);
    DisableButtons();
}

bool TScrollBar::PointerOverThumb() const {
    const TMousePointer* mouse = PresentationContext().Mouse;
    if (!Slider || !mouse) return false;
    const auto px = static_cast<float>(mouse->x);
    const auto py = static_cast<float>(mouse->y);
    const float along = static_cast<float>(SliderPosition) * Scale;
    const float left = Vertical ? X : X + along;
    const float top = Vertical ? Y + along : Y;
    return px >= left && px < left + static_cast<float>(Slider->w) * Scale && py >= top &&
           py < top + static_cast<float>(Slider->h) * Scale;
}

int TScrollBar::Manage() {
    const int before = Value;
    if (Menu) {
        Menu->Manage();
        if (Menu->Clicked(UpName)) Step(-ValueStep);
        if (Menu->Clicked(DownName)) Step(ValueStep);
    }
    SliderGlow = std::max(0.0f, SliderGlow - GlowSpeed * PresentationContext().Delta);
    if (!PresentationContext().Mouse) return Value != before ? 1 : 0;
    TMousePointer& mouse = *PresentationContext().Mouse;
    const bool over = PointerOverThumb();
    if (!SliderSelected && over && mouse.GetMh(0) > 0) {
        mouse.GetMh(1);
        SliderSelected = 1;
        const int pointer = Vertical ? mouse.y : mouse.x;
        const float start = Vertical ? Y : X;
        SliderOffset =
            pointer - static_cast<int>(start + static_cast<float>(SliderPosition) * Scale);
    }
    if (SliderSelected) {
        if (mouse.GetMb() > 0) {
            const int pointer = Vertical ? mouse.y : mouse.x;
            const float start = Vertical ? Y : X;
            const auto along =
                static_cast<int>((static_cast<float>(pointer - SliderOffset) - start) / Scale);
            SliderPosition = std::clamp(along, 0, std::max(0, Room()));
            ValueCalc();
            DisableButtons();
        } else {
            SliderSelected = 0;
        }
    }
    if (FixedGlowOnMO && (over || SliderSelected)) SliderGlow = GlowMax;
    return Value != before ? 1 : 0;
}

void TScrollBar::Draw() const {
    if (Menu) Menu->Draw(0, 0);
    if (!Slider || !Slider->image) return;
    media::SetBlend(media::ALPHABLEND);
    media::SetDrawScale(Scale, Scale);
    const float along = static_cast<float>(SliderPosition) * Scale;
    const float tx = Vertical ? X : X + along;
    const float ty = Vertical ? Y + along : Y;
    media::DrawImageFrame(Slider->image, tx, ty, 0);
    if (SliderGlow > 0) {
        media::SetBlend(media::LIGHTBLEND);
        media::SetAlpha(SliderGlow);
        media::DrawImageFrame(Slider->image, tx, ty, 0);
    }
    media::SetAlpha(1);
    media::SetBlend(media::ALPHABLEND);
    media::SetDrawScale(1, 1);
}

void TScrollBar::Kill() {
    if (Menu) Menu->Kill();
    Menu.reset();
    Slider.reset();
}
