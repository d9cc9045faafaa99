#include "screens/TLevelCompleteScreen.h"

#include <algorithm>
#include <string>

#include "host/TGame.h"
#include "presentation/TResources.h"
#include "presentation/TShadow.h"
#include "screens/TimeText.h"
#include "store/BestResults.h"
#include "store/Progress.h"
#include "store/TPlayer.h"
#include "store/TProfile.h"
#include "system/ScreenSize.h"

void TLevelCompleteScreen::Load() {
    LoadFurniture("background.png", "levelcomplete");
}

void TLevelCompleteScreen::Start() {
    Results.Lines.clear();
    if (Player != nullptr) {
        StatsLevel = std::clamp(Player->Level - 1, 0, LevelCount - 1);
        GameFinished = ProgressLevelComplete(*Player, Game->CurrentProfile.get()) ? 1 : 0;
        const std::string level = std::to_string(StatsLevel + 1);
        const double ms = Game->FixedRateLogic.MS;
        Results.Set(
            {{"Total Score", std::to_string(Player->Score)},
             {"Level " + level + " Score", std::to_string(Player->Score - Player->LevelStartScore)},
             {"Level " + level + " Time", TicksAsTime(Player->TimeTaken, ms)}},
            ResultsY);
    }
    StartAndFadeIn();
}

TScreen* TLevelCompleteScreen::NextScreen() const {
    return GameFinished ? TitleScreen : PlayScreen;
}

void TLevelCompleteScreen::DrawNotes() const {
    if (!Resources.FontMedium || Player == nullptr) return;
    const std::string level = std::to_string(StatsLevel + 1);
    const auto index = static_cast<size_t>(StatsLevel);
    const double ms = Game->FixedRateLogic.MS;
    TShadow::Create(1, 1, 0.6f).ApplyToText();
    TBitmapFont& font = *Resources.FontMedium;
    const auto line = [&font](const std::string& mark, const std::string& text, float y) {
        if (mark.empty()) {
            media::SetColor(0, 255, 0);
        } else {
            media::SetColor(255, 255, 0);
        }
        font.DrawAlignedWithShadow(mark + text, ScreenWidth / 2, y, 1, 1, 1);
    };
    line(NewScoreMark,
         "Best level " + level + " score:   " + BestLevelScoreNames[index] + "   " +
             std::to_string(BestLevelScores[index]),
         380);
    line(NewTimeMark,
         "Best level " + level + " time:     " + BestLevelTimeNames[index] + "   " +
             TicksAsTime(BestLevelTimes[index], ms),
         415);
    media::SetColor(255, 255, 255);
    const std::string next = GameFinished ? "All levels complete - well done!"
                                          : "Click to play level " + std::to_string(Player->Level);
    font.DrawAlignedWithShadow(next, ScreenWidth / 2, 462, 1, 1, 1);
}
