#pragma once
// The choose-player dialog: the players (one profile file each) in a list, "Add" (a name
// prompt; refused once Limit players exist), "Delete" (after a confirmation; the last player
// stays) and "OK" (the selected player becomes the current one). The game supplies the
// dialogs it opens on top and the operations that create and choose players; the dialog only
// deletes files itself. It never leaves the game pointing at a deleted player: deleting the
// current player makes the first listed one current at once.

#include <functional>
#include <memory>
#include <string>

#include "presentation/TDialog.h"
#include "presentation/TDialogOK.h"
#include "presentation/TDialogTextInput.h"
#include "presentation/TDialogYesNo.h"
#include "presentation/TListBox.h"
#include "system/Translate.h"

class TPlayerManager : public TDialog {
public:
    int Limit = 10;  // most players; 0 or less: no limit
    int ButtonGap = 10;
    int BoxBorderH = 20, BoxBorderV = 20;
    int BoxY = 0;  // the list's top on the screen; 0: below the caption
    int DimWhenActive = 0;
    int DimWhenShowingDialogs = 0;
    int UpperFirstChar = 1;
    std::unique_ptr<TListBox> ListBox;
    std::function<std::unique_ptr<TDialogOK>(const std::string& message)> ErrorDialogFunc;
    std::unique_ptr<TDialogOK> DialogOK;
    std::function<std::unique_ptr<TDialogYesNo>(const std::string& question)> DialogYesNoFunc;
    std::unique_ptr<TDialogYesNo> DialogYesNo;
    std::function<std::unique_ptr<TDialogTextInput>(int withCancel)> EnterNamePromptFunc;
    std::unique_ptr<TDialogTextInput> EnterName;
    // Creates the named player and makes it current; 0 when that failed.
    std::function<int(const std::string& name)> CreateProfileFunc;
    // Makes the named player current and remembers the choice; "" leaves no current player.
    std::function<void(const std::string& name)> SelectProfileFunc;
    // The current player's name, "" when there is none.
    std::function<std::string()> CurrentProfileFunc;
    std::string ProfileFolder;  // ends in "/"
    int DrawDisabled = 0;
    int AutoAcceptAfterCreate = 1;
    std::string MessageCannotCreate = TrNoop("You cannot create any more players!");
    std::string MessageCannotDelete = TrNoop("The list must contain at least one player!");
    // Names the selected player when the question is asked.
    std::string MessageConfirmDelete = TrNoop("Are you sure you want to delete this player?");

    // Made but not started. The list is read from the profile folder when it starts.
    static std::unique_ptr<TPlayerManager> Create(const std::string& caption,
                                                  const std::string& backgroundPath, int px, int py,
                                                  int limit, const std::string& profileFolder);
    void MenuCreate(int gap);
    void FillList();
    void HighlightCurrentPlayer();
    void Start() override;
    void BoxSize();
    void MenuPosition() override;
    int Manage() override;
    // 1 when a player was chosen and the dialog closed.
    int OKClick();
    int CancelClick();
    void DeleteProfileCheck();
    void ClickSound() const;
    void Draw() override;
    void Kill() override;
    // The name prompt it opens has a blinking cursor.
    [[nodiscard]] bool StillUntilInput() const override { return !EnterName; }
    [[nodiscard]] std::string Kind() const override { return "TPlayerManager"; }
    void Describe(std::vector<TDialogState>& out) const override;

private:
    void AddClick();
    void OpenNamePrompt();
    void ShowMessage(const std::string& message);
    void DeleteSelected();
    [[nodiscard]] std::string CurrentName() const;
    [[nodiscard]] bool Listed(const std::string& name) const;
    [[nodiscard]] bool SubDialogOpen() const;
};
