#include "screens/TGameOverScreen.h"

#include <string>
#include <vector>

#include "host/JsonObject.h"
#include "host/TFixedRateLogic.h"
#include "host/TPlayerSession.h"
#include "host/TScreenSwitcher.h"
#include "presentation/TMenu.h"
#include "presentation/TSprite.h"
#include "screens/EndScreenFurniture.h"
#include "store/Progress.h"
#include "store/TPlayer.h"
#include "store/TProfile.h"

namespace {

constexpr int MaxNameLength = 12;

}  // namespace

void TGameOverScreen::Load() {
    LoadEndScreenFurniture(*this, BackgroundName(), HeaderName());
    const int score = Player != nullptr ? Player->Score : 0;
    const int level = Player != nullptr ? Player->Level : 1;
    const int ticks = Player != nullptr ? Player->TotalTimeTaken : 0;
    THighScoreList* table = Host.Session.HighScores ? &*Host.Session.HighScores : nullptr;
    High = THighScoreEntry::Create(Menu, Resources, table, Host.Session.Name(), score, level,
                                   MaxNameLength);
    GameTotals = TGameTotals::Create(Resources, score, ticks, Host.Timing.MS);
    if (High->HighScore == 0) GameTotals->CentreVert();
}

void TGameOverScreen::Start() {
    EndGame();
    TScreen::Start();
    Host.Screens.FadeIn(1);
}

void TGameOverScreen::EndGame() {
    // The record keeps its score and time for the totals and the name entry.
    if (Player != nullptr) ProgressGameOver(*Player, Host.Session.Profile.get());
}

TScreen* TGameOverScreen::NextScreen() const {
    const bool scored = Player != nullptr && Player->Score > 0;
    return scored ? HighScoresScreen : TitleScreen;
}

void TGameOverScreen::Kill() {
    // A name entry left unfinished must not keep the host's keys blocked.
    if (High) High->Finish();
    High.reset();
    GameTotals.reset();
    TScreen::Kill();
}

void TGameOverScreen::Logic() {
    TScreen::Logic();
    if (GameTotals) GameTotals->Manage();
    if (!High) return;
    // Enter normally reaches the OK button first; a name confirmed in the field leads on too.
    if (Menu && Menu->Clicked("OK")) {
        High->FinishAndAdd();
        Host.Screens.FadeTo(NextScreen());
        return;
    }
    if (High->Manage() == 1) Host.Screens.FadeTo(NextScreen());
}

int TGameOverScreen::SetEscDestination(TScreen*& destination) {
    if (TitleScreen != nullptr) destination = TitleScreen;
    return 0;
}

void TGameOverScreen::Draw() {
    // The name entry draws the menu, over its field.
    DrawBackground();
    if (Header) Header->Draw();
    if (GameTotals) GameTotals->Draw();
    if (High) High->Draw();
}

void TGameOverScreen::AddState(JsonObject& state) const {
    TScreen::AddState(state);
    if (GameTotals) {
        state.Set("StartY", GameTotals->StartY);
        std::vector<std::string> rows;
        for (const auto& row : GameTotals->Rows) rows.push_back(row.Label + ": " + row.Value);
        state.Set("Lines", rows);
    }
    if (!High) return;
    JsonObject entry;
    entry.Set("HighScore", High->HighScore);
    entry.Set("Active", High->Active());
    entry.Set("Text", High->InputName.Text);
    state.Set("HighScoreEntry", entry);
}
