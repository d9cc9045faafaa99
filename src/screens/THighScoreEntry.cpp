#include "screens/THighScoreEntry.h"

#include "presentation/TMenu.h"
#include "presentation/TResources.h"
#include "presentation/TShadow.h"
#include "store/THighScoreList.h"
#include "system/HostInput.h"
#include "system/ScreenSize.h"
#include "system/Translate.h"

namespace {

constexpr int NameX = 250;
constexpr int NameBelowTop = 100;
constexpr int PromptGap = 40;
// With the picker shown the prompt and the name move up to make room for it above OK.
constexpr int PickerRaise = 90;
constexpr int PickerBelowTop = 148;
constexpr float PickerCellHeight = 20;

}  // namespace

bool THighScoreEntry::Qualifies(const THighScoreList& table, int score) {
    if (score <= 0) return false;
    // A short or empty table has a free row for any score.
    if (table.Count() < THighScoreList::TableSize) return true;
    return score >= table.Entries().back().score;
}

std::unique_ptr<THighScoreEntry> THighScoreEntry::Create(std::shared_ptr<TMenu> menu,
                                                         const TResources& resources,
                                                         THighScoreList* table,
                                                         const std::string& name, int score,
                                                         int level, int maxLength) {
    auto entry = std::make_unique<THighScoreEntry>(resources);
    entry->Menu = std::move(menu);
    entry->Score = score;
    entry->Level = level;
    entry->Table = table;
    entry->HighScore = table != nullptr && Qualifies(*table, score) ? 1 : 0;
    if (entry->HighScore == 0) return entry;
    TTextInput& input = entry->InputName;
    input.MaxLength = maxLength;
    input.Init(nullptr, "", NameX, entry->TopY + NameBelowTop, resources.FontLarge);
    input.DrawDots = 0;
    input.AllowEscToAbort = 0;
    input.AllowExtendedChars = 1;
    // Space is a character of the name, so only Enter may press OK while it is typed.
    if (const auto ok = entry->Menu ? entry->Menu->FindButton("OK") : nullptr) {
        ok->OKButtonUseSpace = 0;
    }
    input.SetText(name);
    entry->Picker.Build(input);
    entry->Picker.FocusOK();
    entry->Picker.CellHeight = PickerCellHeight;
    return entry;
}

int THighScoreEntry::Top() const {
    return PickerShown() ? TopY - PickerRaise : TopY;
}

bool THighScoreEntry::PickerShown() const {
    return HighScore == 1 && InputName.Active && Input().LastSource == HostInput::Source::Pad;
}

int THighScoreEntry::Manage() {
    const bool picker = PickerShown();
    // The picker's Enter picks its highlighted cell: from the next step on, the menu's OK button
    // leaves Enter to it (the picker starts on OK, so a first press confirms either way).
    if (const auto ok = Menu && HighScore == 1 ? Menu->FindButton("OK") : nullptr)
        ok->OKButton = picker ? 0 : 1;
    if (picker) Picker.Manage();
    InputName.Y = Top() + NameBelowTop;
    if (InputName.Manage() != 1) return 0;
    FinishAndAdd();
    return 1;
}

void THighScoreEntry::Finish() {
    InputName.Finish();
}

void THighScoreEntry::FinishAndAdd() {
    if (HighScore == 1 && !Added) AddToHighScores();
    Finish();
}

void THighScoreEntry::AddToHighScores() {
    THighScoreList& table = *Table;
    // Only a full table gives up its lowest row; a short one has room.
    if (table.Count() >= THighScoreList::TableSize) table.RemoveLast();
    table.NewHighScoreIndex = table.Insert(InputName.Text, Score, Level);
    table.Save();
    Added = true;
}

void THighScoreEntry::Draw() const {
    if (HighScore == 1 && InputName.Done == 0 && Resources.FontLarge) {
        TBitmapFont& font = *Resources.FontLarge;
        TShadow::Create(2, 2, 0.5f).ApplyToText();
        media::SetColor(255, 255, 100);
        const auto top = static_cast<float>(Top());
        font.DrawAlignedWithShadow(Tr("You got a High Score!"), ScreenWidth / 2, top, 1, 1, 1);
        font.DrawAlignedWithShadow(Tr("Please enter your name:"), ScreenWidth / 2, top + PromptGap,
                                   1, 1, 1);
        media::SetColor(255, 255, 255);
        InputName.Draw();
    }
    if (Menu) Menu->Draw(0, 0);
    if (PickerShown())
        Picker.Draw(static_cast<float>(Top() + PickerBelowTop), Resources.FontMedium);
}
