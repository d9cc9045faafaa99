#include "presentation/TDialog.h"

#include <algorithm>

#include "presentation/TMousePointer.h"
#include "presentation/TPresentationContext.h"
#include "system/DrawHelpers.h"
#include "system/InputHelpers.h"
#include "system/ScreenSize.h"

namespace {

constexpr int KeyEscape = 27;
constexpr float HighlightAlpha = 0.35f;
constexpr float HighlightInset = 3;

}  // namespace

void TDialog::Init(const std::string& caption, const std::string& backgroundPath, int width,
                   int height, int px, int py) {
    Caption = TLabel::CreateSpecial(caption, 0, 0, 1, 0);
    Background = backgroundPath.empty() ? nullptr : TGameImage::Create(backgroundPath, -1, 0);
    DialogColor.Set(128, 0, 128, 1);
    w = width;
    FixedWidth = width != 0 ? 1 : 0;
    h = height;
    x = px;
    y = py;
}

void TDialog::Start() {
    CalcAll();
    MenuPosition();
    Active = 1;
    CloseResult = 0;
    CloseResultTemp = 0;
    DropPendingInput();
    if (ActivateSound) ActivateSound->PlayEffect();
    // Hover looks match the pointer from the first frame, without sounds.
    if (Menu) Menu->ManageNoSound();
}

void TDialog::SetupCaption(const media::Font& imageFont, const std::optional<TColor>& color,
                           const std::optional<TShadow>& shadow,
                           std::shared_ptr<TBitmapFont> bitmapFont) {
    Caption->Init(imageFont, color, shadow, 0, std::move(bitmapFont), std::nullopt, "");
}

void TDialog::CalcAll() {
    CalcSize();
    CalcXY();
    SetLabelsXY();
}

void TDialog::CalcSize() {
    if (Background) {
        Background->MidHandle(0);
        w = Background->w;
        h = Background->h;
    } else if (!FixedWidth) {
        // Never narrower than its buttons.
        const int menuWidth = Menu ? Menu->CalcWidth() : 0;
        w = std::max(static_cast<int>(Caption->CalcWidth()), menuWidth) + 2 * Border;
    }
    const int room = w - 2 * Border;
    Caption->WordWrap = 0;
    if (room > 0 && Caption->CalcWidth() > static_cast<float>(room)) {
        Caption->WordWrap = room;
        Caption->PreCalcWordWrap();
    }
}

void TDialog::CalcXY() {
    if (!Centre) return;
    x = (ScreenWidth - w) / 2;
    y = (ScreenHeight - h) / 2;
}

float TDialog::CaptionGetCentredX() const {
    return static_cast<float>(x) + static_cast<float>(w) / 2;
}

float TDialog::CaptionHeight() const {
    return Caption->CalcHeight();
}

void TDialog::SetLabelsXY() {
    Caption->Alignment = 1;
    if (CaptionOX == 0 && CaptionOY == 0) {
        Caption->X = CaptionGetCentredX();
        if (Caption->WordWrap > 0 || CaptionCentreVert) {
            Caption->Y = static_cast<float>(y) + static_cast<float>(h) / 2 - CaptionHeight() / 2;
        } else {
            Caption->Y = static_cast<float>(y + Border);
        }
    } else {
        Caption->X = static_cast<float>(CaptionOX);
        Caption->Y = static_cast<float>(CaptionOY);
    }
    Caption->X += static_cast<float>(CaptionOffsetX);
    Caption->Y += static_cast<float>(CaptionOffsetY);
}

float TDialog::MenuGetCentredX() const {
    if (!Menu) return 0;
    return static_cast<float>(x) + static_cast<float>(w - Menu->CalcWidth()) / 2;
}

void TDialog::MenuPosition() {
    if (!Menu || Menu->Buttons.empty()) return;
    Menu->SetX(MenuOX != 0 ? static_cast<float>(MenuOX) : MenuGetCentredX());
    Menu->SetY(MenuOY != 0 ? static_cast<float>(MenuOY)
                           : static_cast<float>(y + h - Border - Menu->CalcHeight()));
}

int TDialog::Manage() {
    return ManageCore() == 0 ? 0 : (EscapeHit() ? Close(-1) : 0);
}

int TDialog::ManageCore() {
    if (!Active) return 0;
    if (Menu) {
        Menu->AcceptInput = Disabled ? 0 : 1;
        Menu->Manage();
    }
    return 1;
}

void TDialog::DrawBox() const {
    const auto fx = static_cast<float>(x), fy = static_cast<float>(y);
    if (Shadow) {
        media::SetColor(0, 0, 0);
        media::SetAlpha(Shadow->Alpha);
        if (Background && Background->image) {
            media::DrawImageFrame(Background->image, fx + Shadow->X, fy + Shadow->Y, 0);
        } else {
            media::DrawRect(fx + Shadow->X, fy + Shadow->Y, static_cast<float>(w),
                            static_cast<float>(h));
        }
        media::SetColor(255, 255, 255);
    }
    media::SetAlpha(1);
    if (Background && Background->image) {
        media::DrawImageFrame(Background->image, fx, fy, 0);
    } else {
        DialogColor.Apply();
        media::DrawRect(fx, fy, static_cast<float>(w), static_cast<float>(h));
        TColor::Restore();
    }
}

void TDialog::Draw() {
    if (!Active) return;
    media::SetBlend(media::ALPHABLEND);
    if (DimBackground > 0) DimScreen(DimBackground);
    DrawBox();
    if (DrawHighlight) DoDrawHighlight();
    TColor::Restore();
    Caption->Draw(0, 0, 1);
    if (Menu && MenuShow) Menu->Draw(0, 0);
    TColor::Restore();
}

void TDialog::DoDrawHighlight() const {
    // A thin light rim just inside the box's edge.
    media::SetColor(255, 255, 255);
    media::SetAlpha(HighlightAlpha);
    DrawRectOutline(static_cast<float>(x) + HighlightInset, static_cast<float>(y) + HighlightInset,
                    static_cast<float>(w) - 2 * HighlightInset,
                    static_cast<float>(h) - 2 * HighlightInset);
    TColor::Restore();
}

int TDialog::Close(int result) {
    CloseResultTemp = result;
    Finalise();
    return result;
}

void TDialog::Finalise() {
    Active = 0;
    CloseResult = CloseResultTemp;
}

void TDialog::Kill() {
    Active = 0;
    if (Menu) Menu->Kill();
    Menu.reset();
    Caption.reset();
    Background.reset();
    ActivateSound.reset();
}

void TDialog::Describe(std::vector<TDialogState>& out) const {
    TDialogState state;
    state.Kind = Kind();
    state.Caption = Caption ? Caption->Text : std::string();
    if (Menu) state.Buttons = DescribeMenu(*Menu);
    out.push_back(std::move(state));
}

bool TDialog::EscapeHit() {
    return KeyHitChecked(KeyEscape);
}

bool TDialog::KeyHit(int code) {
    return KeyHitChecked(code);
}

void TDialog::DropPendingInput() {
    ::FlushInput();
    if (TMousePointer* mouse = PresentationContext().Mouse) mouse->ClearButtons();
}
