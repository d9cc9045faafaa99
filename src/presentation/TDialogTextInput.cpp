#include "presentation/TDialogTextInput.h"

#include <cctype>

#include "presentation/DialogMenus.h"
#include "system/DrawHelpers.h"
#include "system/HostInput.h"

std::unique_ptr<TDialogTextInput> TDialogTextInput::Create(const std::string& caption,
                                                           const std::string& text, int maxLength,
                                                           const std::string& backgroundPath,
                                                           int width, int height, int px, int py) {
    auto dialog = std::make_unique<TDialogTextInput>();
    dialog->Init(caption, backgroundPath, width, height, px, py);
    dialog->BoxColor.Set(0, 0, 0, 1);
    dialog->TextInput.MaxLength = maxLength;
    dialog->TextInput.SetText(text);
    TColor white;
    white.Set(255, 255, 255, 1);
    dialog->Text.Init(nullptr, white, std::nullopt, 0, nullptr, std::nullopt, "");
    dialog->MenuCreate(0, 0);
    return dialog;
}

void TDialogTextInput::Start() {
    TDialog::Start();
    const std::string text = TextInput.Text;
    TextInput.Init(Text.ImageFont, text, TextInput.X, TextInput.Y, Text.BitmapFont);
    if (Text.Color) TextInput.TextCol = *Text.Color;
    TextInput.TextShadow = Text.Shadow;
    // Enter on a text the dialog would refuse leaves the field taking keys.
    TextInput.AllowNull = AllowNull;
    Picker.Build(TextInput);
    if (!TextInput.Text.empty()) Picker.FocusOK();
}

void TDialogTextInput::SetupText(const media::Font& imageFont, const std::optional<TColor>& color,
                                 const std::optional<TShadow>& shadow, int drawDots,
                                 std::shared_ptr<TBitmapFont> bitmapFont) {
    Text.Init(imageFont, color, shadow, 0, std::move(bitmapFont), std::nullopt, "");
    TextInput.DrawDots = drawDots;
}

float TDialogTextInput::TextHeight() {
    return Text.TFont::CalcHeight();
}

void TDialogTextInput::CalcSize() {
    TDialog::CalcSize();
    if (!Background) {
        h = static_cast<int>(CaptionHeight() + TextHeight()) + 2 * Gap + 2 * Border +
            Menu->CalcHeight();
    }
}

void TDialogTextInput::SetLabelsXY() {
    TDialog::SetLabelsXY();
    if (TextOX == 0 && TextOY == 0) {
        Text.X = static_cast<float>(x + BoxBorderH + TextBorder);
        Text.Y = Caption->Y + CaptionHeight() + static_cast<float>(Gap);
    } else {
        Text.X = static_cast<float>(TextOX);
        Text.Y = static_cast<float>(TextOY);
    }
    TextInput.X = static_cast<int>(Text.X);
    TextInput.Y = static_cast<int>(Text.Y) + TextYOffset;
}

void TDialogTextInput::MenuCreate(int withCancel, int gap) {
    if (Menu) Menu->Kill();
    Menu = CreateDialogMenu();
    if (withCancel) {
        Menu->AddPair("OK", "Cancel", gap, "");
    } else {
        Menu->AddQuick("OK", "");
    }
    // The field answers Enter itself, and a Space is typed, not a click.
    Menu->FindButton("OK")->OKButton = 0;
}

bool TDialogTextInput::PickerShown() const {
    return Input().LastSource == HostInput::Source::Pad && !DialogOK && TextInput.Active;
}

bool TDialogTextInput::HasCancel() const {
    return Menu && Menu->FindButton("Cancel") != nullptr;
}

int TDialogTextInput::Manage() {
    if (!Active) return 0;
    if (DialogOK) {
        if (DialogOK->Manage() == 0) return 0;
        DialogOK->Kill();
        DialogOK.reset();
        Menu->ClearStates();
        // The field takes keys again with the refused text in it, for correction.
        TextInput.Reset();
        return 0;
    }

    if (PickerShown()) Picker.Manage();
    const int typed = TextInput.Manage();
    if (typed == 1) {
        if (OKClick(1)) {
            ClickSound();
            return ProcessOKClickedFunc();
        }
        TextInput.Reset();
        return 0;
    }
    if (typed == -1) {
        ClickSound();
        return CancelClick();
    }

    ManageCore();
    if (Menu->Clicked("OK")) {
        if (OKClick(0)) {
            TextInput.Finish();
            return ProcessOKClickedFunc();
        }
        return 0;
    }
    if (HasCancel() && Menu->Clicked("Cancel")) {
        TextInput.Finish();
        return CancelClick();
    }
    // The field lets Escape abort unless told not to; then only a shown "Cancel" does.
    if (HasCancel() && !TextInput.AllowEscToAbort && EscapeHit()) {
        TextInput.Finish();
        ClickSound();
        return CancelClick();
    }
    return 0;
}

int TDialogTextInput::ProcessOKClickedFunc() {
    return OKClickedFunc ? OKClickedFunc(*this) : 1;
}

int TDialogTextInput::OKClick(int viaKeyboard) {
    std::string& text = TextInput.Text;
    if (TrimBlanks) {
        const size_t first = text.find_first_not_of(' ');
        text = first == std::string::npos
                   ? std::string()
                   : text.substr(first, text.find_last_not_of(' ') - first + 1);
        TextInput.CurrentChar = TextInput.Length() + 1;
    }
    if (UppercaseFirstChar && !text.empty()) {
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    }
    if (ErrorCheckFunc) {
        std::string message;
        if (ErrorCheckFunc(text, message) == -1) {
            if (viaKeyboard) ClickSound();
            if (ErrorDialogFunc) {
                DialogOK = ErrorDialogFunc(message);
                if (DialogOK && !DialogOK->Active) DialogOK->Start();
            }
            return 0;
        }
    }
    if (text.empty() && !AllowNull) return 0;
    Close(1);
    return 1;
}

int TDialogTextInput::CancelClick() {
    return Close(-1);
}

void TDialogTextInput::ClickSound() const {
    if (auto button = Menu->FindButton("OK")) button->PlayClick();
}

void TDialogTextInput::Draw() {
    if (!Active || DrawDisabled) return;
    TDialog::Draw();
    if (DrawBox) {
        const auto left = static_cast<float>(x + BoxBorderH);
        const auto top = static_cast<float>(TextInput.Y - BoxBorderV);
        const auto right = static_cast<float>(x + w - BoxBorderH);
        const float bottom = top + TextHeight() + static_cast<float>(2 * BoxBorderV);
        BoxColor.Apply();
        media::DrawRect(left, top, right - left, bottom - top);
        if (BoxFrameColor) {
            BoxFrameColor->Apply();
            DrawRectOutline(left, top, right - left, bottom - top);
        }
        TColor::Restore();
    }
    TextInput.Draw();
    if (PickerShown()) Picker.Draw(static_cast<float>(y + h + 8), Text.BitmapFont);
    if (DialogOK) DialogOK->Draw();
}

void TDialogTextInput::Kill() {
    // A field dropped while typing must give the host its keys back.
    if (TextInput.Active) TextInput.Finish();
    if (DialogOK) DialogOK->Kill();
    DialogOK.reset();
    ErrorCheckFunc = nullptr;
    ErrorDialogFunc = nullptr;
    OKClickedFunc = nullptr;
    TDialog::Kill();
}

void TDialogTextInput::Describe(std::vector<TDialogState>& out) const {
    TDialog::Describe(out);
    out.back().HasText = true;
    out.back().Text = TextInput.Text;
    if (DialogOK) DialogOK->Describe(out);
}
