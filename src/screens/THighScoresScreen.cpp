#include "screens/THighScoresScreen.h"

#include <string>
#include <vector>

#include "host/JsonObject.h"
#include "host/TDataPaths.h"
#include "host/TPlayerSession.h"
#include "host/TScreenSwitcher.h"
#include "presentation/TDialogStack.h"
#include "presentation/TMenu.h"
#include "presentation/TPresentationContext.h"
#include "presentation/TResources.h"
#include "presentation/TShadow.h"
#include "screens/GameDialogs.h"
#include "store/THighScoreList.h"
#include "system/LocalNumber.h"
#include "system/ScreenSize.h"
#include "system/Translate.h"

namespace {

constexpr int RowGap = 36;
constexpr int FirstRowBelowStart = 42;
constexpr int HeadsAboveStart = 10;
constexpr int NameX = 80;
constexpr int MarkerFrame = 5;
constexpr float MarkerX = 52;
constexpr float MarkerFirstY = 154;
constexpr float MarkerShadowOffset = 4;
constexpr float SwitchX = 615, SwitchY = 12;

// Leaving the screen by any button or by Escape: the mark was for this visit only.
void ForgetNewRow(THighScoreList* table) {
    if (table) table->NewHighScoreIndex = 0;
}

}  // namespace

THighScoreList* THighScoresScreen::Table() const {
    if (Classic) return &Host.Session.ClassicTable(Host.Paths.SubPath);
    return Host.Session.HighScores ? &*Host.Session.HighScores : nullptr;
}

void THighScoresScreen::Load() {
    ImageLoad("background.png", -1);
    NewScore = Resources.ImageBank.Find("next");
    AddButtons();
    Host.Presentation.FadeMusic = false;
}

void THighScoresScreen::AddButtons() {
    if (Menu) Menu->Kill();
    Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 10);
    Menu->SetShadow(1, 3, 3, 0.4f);
    auto ok = Menu->AddQuick("OK", "");
    ok->OKButton = 1;
    ok->MoveTo(619, 525);
    Menu->AddQuick("clear", "")->MoveTo(60, 525);
    Menu->AddQuick("levelstats", "")->MoveTo(336, 542);
    Menu->AddQuick(Classic ? "levelscores" : "classicscores", "")->MoveTo(SwitchX, SwitchY);
}

void THighScoresScreen::Leave(TScreen* next) {
    ForgetNewRow(Table());
    Classic = false;
    if (next != nullptr) Host.Screens.FadeTo(next);
}

void THighScoresScreen::Start() {
    TScreen::Start();
    Host.Screens.FadeIn(1);
}

void THighScoresScreen::Kill() {
    TScreen::Kill();
    NewScore.reset();
}

void THighScoresScreen::ClearHighScores() const {
    if (THighScoreList* table = Table()) table->Zero(THighScoreList::TableSize);
}

void THighScoresScreen::Logic() {
    TScreen::Logic();
    if (!Menu || Host.Screens.Fading()) return;
    if (Menu->Clicked("OK")) {
        Leave(TitleScreen);
    } else if (Menu->Clicked("clear")) {
        ForgetNewRow(Table());
        const char* question = Classic ? Tr("Are You Sure You Want To Clear The Classic Scores?")
                                       : Tr("Are You Sure You Want To Clear The High Scores?");
        Host.Dialogs.Open(CreateQuestionDialog(Host, Resources, question),
                          [this](TDialog&, int result) {
                              if (result == 1) ClearHighScores();
                              if (Menu) Menu->ClearStates();
                          });
    } else if (Menu->Clicked("levelstats")) {
        Leave(LevelStatsScreen);
    } else if (Menu->Clicked(Classic ? "levelscores" : "classicscores")) {
        ForgetNewRow(Table());
        Classic = !Classic;
        AddButtons();
        Menu->ManageNoSound();
    }
}

int THighScoresScreen::SetEscDestination(TScreen*& destination) {
    Leave(nullptr);
    if (TitleScreen != nullptr) destination = TitleScreen;
    return 0;
}

void THighScoresScreen::Draw() {
    TScreen::Draw();
    const auto& large = Resources.FontLarge;
    const auto& medium = Resources.FontMedium;
    const THighScoreList* table = Table();
    if (!large || !medium || table == nullptr) return;
    media::SetBlend(media::ALPHABLEND);
    TShadow::Create(3, 3, 0.4f).ApplyToText();
    media::SetColor(255, 255, 255);
    large->DrawAlignedWithShadow(Classic ? Tr("Classic Scores") : Tr("High Scores"),
                                 ScreenWidth / 2, 30, 1, 1, 1);

    const auto headY = static_cast<float>(StartY - HeadsAboveStart);
    media::SetColor(0, 255, 0);
    large->DrawAlignedWithShadow(Tr("Name"), static_cast<float>(col1), headY, 0, 1, 1);
    large->DrawAlignedWithShadow(Tr("Score"), static_cast<float>(col2), headY, 0, 1, 1);
    if (!Classic)
        large->DrawAlignedWithShadow(Tr("Level"), static_cast<float>(col3), headY, 0, 1, 1);

    const int marked = table->NewHighScoreIndex;
    if (marked > 0 && NewScore && NewScore->image) {
        const float y = static_cast<float>((marked - 1) * RowGap) + MarkerFirstY;
        media::SetColor(0, 0, 0);
        media::SetAlpha(0.5f);
        media::DrawImageFrame(NewScore->image, MarkerX + MarkerShadowOffset, y + MarkerShadowOffset,
                              MarkerFrame);
        media::SetColor(255, 255, 255);
        media::SetAlpha(1);
        media::DrawImageFrame(NewScore->image, MarkerX, y, MarkerFrame);
    }

    media::SetColor(255, 255, 0);
    float y = static_cast<float>(StartY + FirstRowBelowStart);
    for (const THighScore& entry : table->Entries()) {
        medium->DrawAlignedWithShadow(entry.name, NameX, y, 0, 1, 1);
        medium->DrawAlignedWithShadow(LocalNumber(entry.score), static_cast<float>(col2), y, 0, 1,
                                      1);
        if (!Classic) {
            medium->DrawAlignedWithShadow(std::to_string(entry.level), static_cast<float>(col3), y,
                                          0, 1, 1);
        }
        y += RowGap;
    }
    media::SetColor(255, 255, 255);
}

void THighScoresScreen::AddState(JsonObject& state) const {
    TScreen::AddState(state);
    const THighScoreList* table = Table();
    if (table == nullptr) return;
    std::vector<JsonObject> rows;
    for (const THighScore& entry : table->Entries()) {
        JsonObject row;
        row.Set("name", entry.name);
        row.Set("score", entry.score);
        row.Set("level", entry.level);
        rows.push_back(row);
    }
    state.Set("Table", Classic ? "classic" : "levels");
    state.Set("Rows", rows);
    state.Set("NewHighScoreIndex", table->NewHighScoreIndex);
}
