#include "presentation/TListBox.h"

#include <algorithm>
#include <cmath>

#include "presentation/TMousePointer.h"
#include "presentation/TPresentationContext.h"
#include "presentation/TextDrawing.h"
#include "presentation/Timing.h"
#include "system/InputHelpers.h"

namespace {

constexpr int KeyUp = 38;
constexpr int KeyDown = 40;
constexpr int RepeatFirstMs = 400;
constexpr int RepeatNextMs = 100;
constexpr int ScrollArrowMs = 100;

}  // namespace

std::unique_ptr<TListBox> TListBox::Create(int /*unused*/, int gap, int centred, int drawBox,
                                           int doubleClickMs) {
    auto list = std::make_unique<TListBox>();
    list->Gap = gap;
    list->Centred = centred;
    list->DrawBox = drawBox;
    TColor white;
    white.Set(255, 255, 255, 1);
    list->Font.Init(nullptr, white, std::nullopt, 0, nullptr, std::nullopt, "");
    TColor black;
    black.Set(0, 0, 0, 1);
    list->Box.Init(0, 0, 0, 0, black);
    list->HighlightCol.Set(0, 0, 150, 1);
    list->LockedColor.Set(128, 128, 128, 1);
    list->DoubleClickTime = StepsFromMs(static_cast<float>(doubleClickMs));
    list->UpKeyRepeat = TKeyRepeat::Create(RepeatFirstMs, RepeatNextMs);
    list->DownKeyRepeat = TKeyRepeat::Create(RepeatFirstMs, RepeatNextMs);
    return list;
}

void TListBox::SetCoords(float x, float y, float w, float h) {
    Box.X = x;
    Box.Y = y;
    Box.W = w;
    Box.H = h;
    FitBox();
}

void TListBox::SetupBox(const TColor& color) {
    Box.Color = color;
}

void TListBox::SetupFont(const media::Font& imageFont, const std::optional<TColor>& color,
                         const std::optional<TShadow>& shadow,
                         std::shared_ptr<TBitmapFont> bitmapFont,
                         const std::optional<TColor>& inverseColor) {
    Font.Init(imageFont, color, shadow, 0, std::move(bitmapFont), inverseColor, "");
    CalcLineHeight();
    if (Font.BitmapFont) OldScale = Font.BitmapFont->ScaleFactor;
}

void TListBox::CalcLineHeight() {
    LineHeight = static_cast<int>(std::floor(Font.CalcHeight() + 0.5f)) + 2 * Gap;
    FitBox();
}

void TListBox::FitBox() {
    if (LineHeight <= 0) return;
    if (RoundHeight) {
        Box.H = std::floor(Box.H / static_cast<float>(LineHeight)) * static_cast<float>(LineHeight);
    }
    DisplayLines = static_cast<int>(Box.H / static_cast<float>(LineHeight));
}

void TListBox::SetupScrollBar(const std::string& thumbPath, const std::string& upName,
                              const std::string& downName) {
    ScrollBar = TScrollBar::Create(thumbPath, 0, 0, 0, 0, 1);
    const float thumbW = ScrollBar->Slider ? static_cast<float>(ScrollBar->Slider->w) : 0;
    ScrollBar->X = Box.X + Box.W * Scale - thumbW;
    ScrollBar->Y = Box.Y;
    ScrollBar->Size = static_cast<int>(Box.H * Scale);
    ScrollBar->SetArrows(upName, downName, ScrollArrowMs);
    // The arrows sit inside the box at its ends; the track runs between them.
    if (ScrollBar->Menu && ScrollBar->Menu->Buttons.size() == 2) {
        const auto& up = ScrollBar->Menu->Buttons[0];
        const auto& down = ScrollBar->Menu->Buttons[1];
        up->MoveBy(0, static_cast<float>(up->h));
        ScrollBar->Y += static_cast<float>(up->h);
        ScrollBar->Size -= up->h + down->h;
        down->MoveBy(0, -static_cast<float>(down->h));
    }
    if (ClickSound && ScrollBar->Menu) {
        for (const auto& button : ScrollBar->Menu->Buttons) button->SoundClick2 = ClickSound;
    }
    SyncScrollBar();
}

void TListBox::Clear() {
    Strings.clear();
    LockedArray.clear();
    ClearIndex();
    TopIndex = 0;
    SyncScrollBar();
}

void TListBox::Add(const std::string& text) {
    Strings.push_back(text);
    SyncScrollBar();
}

void TListBox::SetIndex(int index) {
    if (index < -1 || index >= static_cast<int>(Strings.size())) index = -1;
    Index = index;
    if (index == -1) {
        Value.clear();
        return;
    }
    Value = Strings[static_cast<size_t>(index)];
    if (index < TopIndex) TopIndex = index;
    const int rows = VisibleRows();
    if (rows > 0) TopIndex = std::max(TopIndex, index - rows + 1);
    SyncScrollBar();
}

void TListBox::ClearIndex() {
    Index = -1;
    Clicked = -1;
    Value.clear();
}

void TListBox::SetTopIndex(int index) {
    const int count = static_cast<int>(Strings.size());
    const int rows = VisibleRows();
    if (rows > 0 && index > count - rows) index = count - rows;
    TopIndex = std::max(0, index);
}

int TListBox::VisibleRows() const {
    if (Limit > 0 && DisplayLines > 0) return std::min(Limit, DisplayLines);
    if (Limit > 0) return Limit;
    if (DisplayLines > 0) return DisplayLines;
    return static_cast<int>(Strings.size());
}

int TListBox::GetTempLimit() const {
    return std::min(static_cast<int>(Strings.size()), TopIndex + VisibleRows());
}

int TListBox::GetDoubleClicked() {
    const int row = DoubleClicked;
    DoubleClicked = -1;
    return row;
}

void TListBox::SetClickSound(std::shared_ptr<TGameSound> sound) {
    ClickSound = std::move(sound);
    if (ScrollBar && ScrollBar->Menu) {
        for (const auto& button : ScrollBar->Menu->Buttons) button->SoundClick2 = ClickSound;
    }
}

void TListBox::PlayClick() const {
    if (ClickSound) ClickSound->PlayEffect();
}

bool TListBox::ScrollBarShown() const {
    return ScrollBar && static_cast<int>(Strings.size()) > VisibleRows();
}

void TListBox::SyncScrollBar() {
    if (!ScrollBar) return;
    const int hidden = std::max(0, static_cast<int>(Strings.size()) - VisibleRows());
    ScrollBar->SetValueMax(hidden);
    ScrollBar->ValuePrecise = std::min<double>(TopIndex, hidden);
    ScrollBar->ValueRound();
    ScrollBar->SliderSetPosition(ScrollBar->ValuePrecise);
    ScrollBar->DisableButtons();
}

void TListBox::MoveSelection(int by) {
    const int count = static_cast<int>(Strings.size());
    if (count == 0) return;
    const int next = Index < 0 ? 0 : std::clamp(Index + by, 0, count - 1);
    if (next == Index) return;
    PlayClick();
    SetIndex(next);
}

void TListBox::Manage() {
    if (ScrollBarShown() && ScrollBar->Manage()) SetTopIndex(ScrollBar->Value);

    TMousePointer* mouse = PresentationContext().Mouse;
    if (mouse && mouse->GetMh(0) > 0 && LineHeight > 0) {
        const auto px = static_cast<float>(mouse->x);
        const auto py = static_cast<float>(mouse->y);
        const float rowH = static_cast<float>(LineHeight) * Scale;
        float right = Box.X + Box.W * Scale;
        // Clicks on a shown scroll bar belong to it.
        if (ScrollBarShown() && ScrollBar->Slider) {
            right -= static_cast<float>(ScrollBar->Slider->w);
        }
        for (int row = TopIndex; row < GetTempLimit(); ++row) {
            const float top = Box.Y + static_cast<float>(row - TopIndex) * rowH;
            if (px < Box.X || px >= right || py <= top || py >= top + rowH) continue;
            mouse->GetMh(1);
            if (row == Index && DoubleClickCounter > 0) {
                DoubleClicked = row;
                DoubleClickCounter = 0;
            } else {
                PlayClick();
                DoubleClickCounter = DoubleClickTime;
            }
            Clicked = row;
            SetIndex(row);
            break;
        }
    }

    if (ArrowKeysMoveHighlight) {
        if (UpKeyRepeat.GetKey(KeyUp)) MoveSelection(-1);
        if (DownKeyRepeat.GetKey(KeyDown)) MoveSelection(1);
    }
    DoubleClickCounter = std::max(0.0f, DoubleClickCounter - PresentationContext().Delta);
}

void TListBox::Draw() {
    media::SetBlend(media::ALPHABLEND);
    if (Background && Background->image) {
        media::DrawImageFrame(Background->image, Box.X + static_cast<float>(BackgroundOffsetX),
                              Box.Y + static_cast<float>(BackgroundOffsetY), 0);
    }
    if (DrawBox) Box.Draw();
    if (HighlightUnder) DrawHighlight();

    const float x =
        Centred ? Box.X + Box.W / 2 * Scale : Box.X + static_cast<float>(TextBorder) * Scale;
    float y = Box.Y + static_cast<float>(Gap + LineYOffset) * Scale;
    const int alignment = Centred ? 1 : 0;
    const int round = Scale == 1 ? 1 : 0;
    if (Font.BitmapFont) {
        Font.BitmapFont->ScaleFactor = Scale;
    } else {
        media::SetDrawScale(Scale, Scale);
    }
    Font.Apply();
    for (int row = TopIndex; row < GetTempLimit(); ++row) {
        const bool selected = row == Index;
        const bool locked =
            row < static_cast<int>(LockedArray.size()) && LockedArray[static_cast<size_t>(row)];
        if (selected) {
            Font.ApplyInverse();
        } else if (locked) {
            Font.ApplyCustomColor(LockedColor);
        }
        const bool shadow = Font.Shadow && !(NoShadowOnHighlighted && selected);
        const std::string& text = Strings[static_cast<size_t>(row)];
        if (Font.BitmapFont) {
            if (shadow) {
                Font.BitmapFont->DrawAlignedWithShadow(text, x, y, alignment, round, round);
            } else {
                Font.BitmapFont->DrawAligned(text, x, y, alignment, round, round, 0);
            }
        } else {
            DrawTextAligned(text, x, y, shadow ? 1 : 0, alignment, round);
        }
        y += static_cast<float>(LineHeight) * Scale;
        if (selected || locked) Font.Apply();
    }
    if (Font.BitmapFont) {
        Font.BitmapFont->ScaleFactor = OldScale;
    } else {
        media::SetDrawScale(1, 1);
    }
    TColor::Restore();
    PresentationContext().TextAlpha = 1;
    if (!HighlightUnder) DrawHighlight();
    if (ScrollBarShown()) ScrollBar->Draw();
}

void TListBox::DrawHighlight() const {
    if (Index < TopIndex || Index >= GetTempLimit()) return;
    HighlightCol.Apply();
    media::DrawRect(Box.X, Box.Y + static_cast<float>((Index - TopIndex) * LineHeight) * Scale,
                    Box.W * Scale, static_cast<float>(LineHeight) * Scale);
    TColor::Restore();
}

void TListBox::Kill() {
    if (ScrollBar) ScrollBar->Kill();
    ScrollBar.reset();
    Strings.clear();
    ClickSound.reset();
    Background.reset();
    Font.Kill();
}
