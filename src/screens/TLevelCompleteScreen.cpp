#include "screens/TLevelCompleteScreen.h"

#include <algorithm>
#include <string>

#include "host/JsonObject.h"
#include "host/TFixedRateLogic.h"
#include "host/TPlayerSession.h"
#include "host/TScreenSwitcher.h"
#include "presentation/TMenu.h"
#include "presentation/TResources.h"
#include "presentation/TShadow.h"
#include "screens/EndScreenFurniture.h"
#include "screens/TimeText.h"
#include "store/Progress.h"
#include "store/TPlayer.h"
#include "store/TProfile.h"
#include "store/TSaveBest.h"
#include "system/LocalNumber.h"
#include "system/ScreenSize.h"
#include "system/Translate.h"

namespace {

constexpr float BestScoreY = 400;
constexpr float BestTimeY = 435;

}  // namespace

void TLevelCompleteScreen::Load() {
    LoadEndScreenFurniture(*this, "background.png", "levelcomplete");
}

void TLevelCompleteScreen::Start() {
    if (Player != nullptr) {
        StatsLevel = std::clamp(Player->Level - 1, 0, LevelCount - 1);
        GameFinished = ProgressLevelComplete(*Player, Host.Session.Profile.get()) ? 1 : 0;
        SetSlideLines();
    }
    TScreen::Start();
    Host.Screens.FadeIn(1);
}

void TLevelCompleteScreen::SetSlideLines() {
    SlideLines = std::make_unique<TResultLines>(Resources);
    const std::string level = std::to_string(StatsLevel + 1);
    const std::string levelScore = LocalNumber(Player->Score - Player->LevelStartScore);
    const int startY = (ScreenHeight - SlideLines->lines * SlideLines->gap) / 2 - 50;
    // The value column is as wide as the level's score, not the total.
    SlideLines->SetRows(
        {{Tr("Total Score"), LocalNumber(Player->Score)},
         {TrFill("Level %1 Score", {level}), levelScore},
         {TrFill("Level %1 Time", {level}), TicksAsTime(Player->TimeTaken, Host.Timing.MS)}},
        levelScore, startY);
}

void TLevelCompleteScreen::Kill() {
    TScreen::Kill();
    SlideLines.reset();
}

TScreen* TLevelCompleteScreen::NextScreen() const {
    return GameFinished ? GameFinishedScreen : LevelSelectScreen;
}

void TLevelCompleteScreen::Logic() {
    TScreen::Logic();
    if (SlideLines) SlideLines->Manage();
    if (Menu && Menu->Clicked("OK")) Host.Screens.FadeTo(NextScreen());
}

int TLevelCompleteScreen::SetEscDestination(TScreen*& destination) {
    if (TScreen* next = NextScreen()) destination = next;
    return 0;
}

void TLevelCompleteScreen::Draw() {
    TScreen::Draw();
    if (SlideLines) SlideLines->Draw();
    DrawBestResults();
}

void TLevelCompleteScreen::DrawBestResults() const {
    if (!Resources.FontMedium || Player == nullptr || !Host.Session.Best) return;
    const TBestResults& best = Host.Session.Best->Results;
    const std::string level = std::to_string(StatsLevel + 1);
    const auto index = static_cast<size_t>(StatsLevel);
    TShadow::Create(2, 2, 0.5f).ApplyToText();
    TBitmapFont& font = *Resources.FontMedium;
    // Yellow marks a best this level has just set.
    const auto line = [&font](const std::string& mark, const std::string& text, float y) {
        if (mark.empty()) {
            media::SetColor(0, 255, 0);
        } else {
            media::SetColor(255, 255, 0);
        }
        font.DrawAlignedWithShadow(mark + text, ScreenWidth / 2, y, 1, 1, 1);
    };
    line(best.NewScoreMark,
         TrFill("Best level %1 score:   %2   %3",
                {level, best.BestLevelScoreNames[index], LocalNumber(best.BestLevelScores[index])}),
         BestScoreY);
    line(best.NewTimeMark,
         TrFill("Best level %1 time:     %2   %3",
                {level, best.BestLevelTimeNames[index],
                 TicksAsTime(best.BestLevelTimes[index], Host.Timing.MS)}),
         BestTimeY);
    media::SetColor(255, 255, 255);
}

void TLevelCompleteScreen::AddState(JsonObject& state) const {
    TScreen::AddState(state);
    state.Set("GameFinished", GameFinished);
    state.Set("StatsLevel", StatsLevel);
    if (!SlideLines) return;
    std::vector<std::string> rows;
    for (const auto& row : SlideLines->Rows) rows.push_back(row.Label + ": " + row.Value);
    state.Set("Lines", rows);
}
