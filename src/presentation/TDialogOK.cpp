#include "presentation/TDialogOK.h"

#include "presentation/DialogMenus.h"

std::unique_ptr<TDialogOK> TDialogOK::Create(const std::string& caption,
                                             const std::string& backgroundPath, int width,
                                             int height, int px) {
    auto dialog = std::make_unique<TDialogOK>();
    dialog->Init(caption, backgroundPath, width, height, px, 0);
    dialog->MenuCreate();
    return dialog;
}

void TDialogOK::CalcSize() {
    TDialog::CalcSize();
    if (!Background) {
        h = static_cast<int>(CaptionHeight()) + Gap + 2 * Border + Menu->CalcHeight();
    }
}

void TDialogOK::MenuCreate() {
    Menu = CreateDialogMenu();
    Menu->AddQuick("OK", "")->OKButton = 1;
}

int TDialogOK::Manage() {
    if (!ManageCore()) return 0;
    // A message has nothing to cancel: Escape acknowledges it like "OK".
    if (Menu->Clicked("OK") || EscapeHit()) return OKClick();
    return 0;
}

int TDialogOK::OKClick() {
    return Close(1);
}
