#include "screens/TGameOverScreen.h"

#include <string>

#include "host/TGame.h"
#include "presentation/TResources.h"
#include "presentation/TShadow.h"
#include "screens/PlayLaunch.h"
#include "screens/TimeText.h"
#include "store/Progress.h"
#include "store/TPlayer.h"
#include "store/TProfile.h"
#include "system/ScreenSize.h"

void TGameOverScreen::Load() {
    LoadFurniture("background3.png", "gameover");
}

void TGameOverScreen::Start() {
    Results.Lines.clear();
    if (Player != nullptr) {
        // The record keeps its score and time for this screen; the profile starts again.
        ProgressGameOver(*Player, Game->CurrentProfile.get());
        Results.Set({{"Final Score", std::to_string(Player->Score)},
                     {"Total Time", TicksAsTime(Player->TotalTimeTaken, Game->FixedRateLogic.MS)},
                     {"Level Reached", std::to_string(Player->Level)}},
                    ResultsY);
    }
    StartAndFadeIn();
}

TScreen* TGameOverScreen::NextScreen() const {
    return Player != nullptr ? PlayScreen : nullptr;
}

void TGameOverScreen::BeforeLeaving() {
    NewGameFromProfile(*Player);
}

int TGameOverScreen::SetEscDestination(TScreen*& destination) {
    if (TitleScreen != nullptr) destination = TitleScreen;
    return 0;
}

void TGameOverScreen::DrawNotes() const {
    if (!Resources.FontMedium || Player == nullptr) return;
    TShadow::Create(1, 1, 0.6f).ApplyToText();
    media::SetColor(255, 255, 255);
    Resources.FontMedium->DrawAlignedWithShadow("Click to play again", ScreenWidth / 2, 440, 1, 1,
                                                1);
}
