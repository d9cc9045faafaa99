#include "presentation/TDialogYesNo.h"

#include "presentation/DialogMenus.h"

namespace {

constexpr int KeyCancel = 67;  // C
constexpr int KeyYes = 89;     // Y

}  // namespace

std::unique_ptr<TDialogYesNo> TDialogYesNo::Create(const std::string& caption,
                                                   const std::string& backgroundPath, int width,
                                                   int height, int px, int py) {
    auto dialog = std::make_unique<TDialogYesNo>();
    dialog->Init(caption, backgroundPath, width, height, px, py);
    dialog->MenuCreate(1);
    return dialog;
}

void TDialogYesNo::CalcSize() {
    TDialog::CalcSize();
    if (!Background) {
        h = static_cast<int>(CaptionHeight()) + Gap + 2 * Border + Menu->CalcHeight();
    }
}

void TDialogYesNo::MenuCreate(int /*flag*/) {
    Menu = CreateDialogMenu();
    Menu->AddPair("Yes", "Cancel", ButtonGap, "");
    Menu->FindButton("Yes")->OKButton = 1;
}

void TDialogYesNo::ShowClicked(const std::string& name) const {
    if (auto button = Menu->FindButton(name)) button->SimulateClick();
}

int TDialogYesNo::Manage() {
    if (!ManageCore()) return 0;
    if (EscapeHit() || KeyHit(KeyCancel)) {
        ShowClicked("Cancel");
        return NoClick();
    }
    if (KeyHit(KeyYes)) {
        ShowClicked("Yes");
        return YesClick();
    }
    if (Menu->Clicked("Cancel")) return NoClick();
    if (Menu->Clicked("Yes")) return YesClick();
    return 0;
}

int TDialogYesNo::YesClick() {
    DropPendingInput();
    return Close(1);
}

int TDialogYesNo::NoClick() {
    DropPendingInput();
    return Close(-1);
}
