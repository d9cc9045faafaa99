#include "presentation/TPlayerManager.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "presentation/DialogMenus.h"
#include "store/ProfileNames.h"
#include "system/DrawHelpers.h"
#include "system/MessageBox.h"
#include "system/Translate.h"

namespace {

constexpr int DoubleClickMs = 500;
constexpr int FallbackMessageWidth = 400;
constexpr int FallbackMessageHeight = 100;
constexpr float DimAlpha = 0.5f;

// Manages a dialog opened on top; true once it has closed (result in `result`).
template <typename Dialog>
bool Closed(const std::unique_ptr<Dialog>& dialog, int& result) {
    result = dialog->Manage();
    return result != 0 || !dialog->Active;
}

// Shows a dialog on top; the buttons underneath let go of any hover look meanwhile.
template <typename Dialog>
void StartOnTop(const std::unique_ptr<Dialog>& dialog, TMenu& menu) {
    if (dialog && !dialog->Active) dialog->Start();
    menu.ClearStates();
}

// Drops a closed dialog and the input of the step that closed it.
template <typename Dialog>
void Drop(std::unique_ptr<Dialog>& dialog) {
    dialog->Kill();
    dialog.reset();
    TDialog::DropPendingInput();
}

}  // namespace

std::unique_ptr<TPlayerManager> TPlayerManager::Create(const std::string& caption,
                                                       const std::string& backgroundPath, int px,
                                                       int py, int limit,
                                                       const std::string& profileFolder) {
    auto manager = std::make_unique<TPlayerManager>();
    manager->Init(caption, backgroundPath, 0, 0, px, py);
    manager->ListBox = TListBox::Create(0, 5, 0, 1, DoubleClickMs);
    manager->MenuCreate(manager->ButtonGap);
    manager->Limit = limit;
    manager->ListBox->Limit = limit;
    manager->ProfileFolder = profileFolder;
    return manager;
}

void TPlayerManager::MenuCreate(int gap) {
    Menu = CreateDialogMenu();
    for (const char* name : {"Add", "Delete", "OK"}) Menu->AddQuick(name, "");
    Menu->FindButton("OK")->OKButton = 1;
    // Up and Down choose a player in the list; Tab walks the buttons.
    Menu->ArrowKeys = 0;
    Menu->MakeRow(gap);
}

void TPlayerManager::FillList() {
    ListBox->Clear();
    for (const std::string& name : ListProfileNames(ProfileFolder)) ListBox->Add(name);
}

std::string TPlayerManager::CurrentName() const {
    return CurrentProfileFunc ? CurrentProfileFunc() : std::string();
}

bool TPlayerManager::Listed(const std::string& name) const {
    return std::find(ListBox->Strings.begin(), ListBox->Strings.end(), name) !=
           ListBox->Strings.end();
}

void TPlayerManager::HighlightCurrentPlayer() {
    ListBox->ClearIndex();
    const std::string current = CurrentName();
    if (current.empty()) return;
    const auto& names = ListBox->Strings;
    const auto found = std::find(names.begin(), names.end(), current);
    if (found != names.end()) ListBox->SetIndex(static_cast<int>(found - names.begin()));
}

void TPlayerManager::Start() {
    FillList();
    HighlightCurrentPlayer();
    TDialog::Start();
}

void TPlayerManager::BoxSize() {
    const float top = BoxY != 0 ? static_cast<float>(BoxY)
                                : Caption->Y + CaptionHeight() + static_cast<float>(BoxBorderV);
    const float bottom = Menu->CalcTop() - static_cast<float>(BoxBorderV);
    ListBox->SetCoords(static_cast<float>(x + BoxBorderH), top,
                       static_cast<float>(w - 2 * BoxBorderH), std::max(0.0f, bottom - top));
    ListBox->CalcLineHeight();
}

void TPlayerManager::MenuPosition() {
    TDialog::MenuPosition();
    if (ListBox) BoxSize();
}

bool TPlayerManager::SubDialogOpen() const {
    return DialogOK || DialogYesNo || EnterName;
}

int TPlayerManager::Manage() {
    if (!Active) return 0;
    int result = 0;
    if (DialogOK) {
        if (!Closed(DialogOK, result)) return 0;
        Drop(DialogOK);
        Menu->ClearStates();
        return 0;
    }
    if (DialogYesNo) {
        if (!Closed(DialogYesNo, result)) return 0;
        Drop(DialogYesNo);
        Menu->ClearStates();
        if (result == 1) DeleteSelected();
        return 0;
    }
    if (EnterName) {
        if (!Closed(EnterName, result)) return 0;
        std::string name = EnterName->TextInput.Text;
        Drop(EnterName);
        Menu->ClearStates();
        if (result != 1 || name.empty()) return 0;
        if (UpperFirstChar) {
            name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
        }
        const int created = CreateProfileFunc ? CreateProfileFunc(name) : 0;
        FillList();
        HighlightCurrentPlayer();
        if (created && AutoAcceptAfterCreate) return OKClick();
        return 0;
    }

    ManageCore();
    ListBox->Manage();
    if (ListBox->GetDoubleClicked() >= 0) {
        ClickSound();
        return OKClick();
    }
    if (Menu->Clicked("OK")) return OKClick();
    if (EscapeHit()) {
        ClickSound();
        return CancelClick();
    }
    if (Menu->Clicked("Cancel")) return CancelClick();
    if (Menu->Clicked("Add")) AddClick();
    if (Menu->Clicked("Delete")) DeleteProfileCheck();
    return 0;
}

void TPlayerManager::AddClick() {
    if (Limit > 0 && static_cast<int>(ListBox->Strings.size()) >= Limit) {
        ShowMessage(Tr(MessageCannotCreate.c_str()));
        return;
    }
    OpenNamePrompt();
}

void TPlayerManager::OpenNamePrompt() {
    if (!EnterNamePromptFunc) return;
    EnterName = EnterNamePromptFunc(1);
    StartOnTop(EnterName, *Menu);
}

void TPlayerManager::ShowMessage(const std::string& message) {
    if (!ErrorDialogFunc) {
        ShowMessageBox(message, FallbackMessageWidth, FallbackMessageHeight);
        return;
    }
    DialogOK = ErrorDialogFunc(message);
    StartOnTop(DialogOK, *Menu);
}

int TPlayerManager::OKClick() {
    if (ListBox->Index < 0) {
        // Nobody to choose yet: the first player is made here.
        if (ListBox->Strings.empty()) OpenNamePrompt();
        return 0;
    }
    if (SelectProfileFunc) SelectProfileFunc(ListBox->Value);
    return Close(1);
}

int TPlayerManager::CancelClick() {
    const std::string current = CurrentName();
    if (!current.empty() && !Listed(current) && SelectProfileFunc) {
        SelectProfileFunc(ListBox->Strings.empty() ? std::string() : ListBox->Strings.front());
    }
    return Close(-1);
}

void TPlayerManager::DeleteProfileCheck() {
    if (ListBox->Index < 0) return;
    if (ListBox->Strings.size() == 1) {
        ShowMessage(Tr(MessageCannotDelete.c_str()));
        return;
    }
    if (!DialogYesNoFunc) return;
    MessageConfirmDelete = TrFill("Are you sure you want to delete - %1?", {ListBox->Value});
    DialogYesNo = DialogYesNoFunc(MessageConfirmDelete);
    StartOnTop(DialogYesNo, *Menu);
}

void TPlayerManager::DeleteSelected() {
    const std::string name = ListBox->Value;
    const int position = ListBox->Index;
    if (position < 0 || !IsSafeProfileName(name)) return;
    std::error_code error;
    std::filesystem::remove(ProfileFolder + name + ".dat", error);
    // The player's Classic game goes too: a new player of that name must not find it.
    std::filesystem::remove(ProfileFolder + name + ".classic", error);
    FillList();
    const int count = static_cast<int>(ListBox->Strings.size());
    ListBox->SetIndex(std::min(position, count - 1));
    if (name == CurrentName() && !Listed(name) && SelectProfileFunc) {
        SelectProfileFunc(count > 0 ? ListBox->Strings.front() : std::string());
    }
}

void TPlayerManager::ClickSound() const {
    if (auto button = Menu->FindButton("OK")) button->PlayClick();
}

void TPlayerManager::Draw() {
    if (!Active || DrawDisabled) return;
    if (DimWhenActive) DimScreen(DimAlpha);
    TDialog::Draw();
    ListBox->Draw();
    if (SubDialogOpen() && DimWhenShowingDialogs) DimScreen(DimAlpha);
    if (DialogOK) DialogOK->Draw();
    if (DialogYesNo) DialogYesNo->Draw();
    if (EnterName) EnterName->Draw();
}

void TPlayerManager::Kill() {
    for (TDialog* open :
         {static_cast<TDialog*>(DialogOK.get()), static_cast<TDialog*>(DialogYesNo.get()),
          static_cast<TDialog*>(EnterName.get())}) {
        if (open) open->Kill();
    }
    DialogOK.reset();
    DialogYesNo.reset();
    EnterName.reset();
    if (ListBox) ListBox->Kill();
    ListBox.reset();
    ErrorDialogFunc = nullptr;
    DialogYesNoFunc = nullptr;
    EnterNamePromptFunc = nullptr;
    CreateProfileFunc = nullptr;
    SelectProfileFunc = nullptr;
    CurrentProfileFunc = nullptr;
    TDialog::Kill();
}

void TPlayerManager::Describe(std::vector<TDialogState>& out) const {
    TDialog::Describe(out);
    TDialogState& state = out.back();
    state.HasList = true;
    state.Names = ListBox->Strings;
    state.Selected = ListBox->Index;
    state.ListX = static_cast<int>(ListBox->Box.X);
    state.ListY = static_cast<int>(ListBox->Box.Y);
    state.ListW = static_cast<int>(ListBox->Box.W);
    state.RowHeight = ListBox->LineHeight;
    state.TopRow = ListBox->TopIndex;
    state.VisibleRows = ListBox->VisibleRows();
    if (DialogOK) DialogOK->Describe(out);
    if (DialogYesNo) DialogYesNo->Describe(out);
    if (EnterName) EnterName->Describe(out);
}
