#pragma once
// After the last level has been won: the game-over screen's totals and name entry, but the
// profile has already been reset by the level-complete screen and OK always leads to the high
// scores, whatever the score.

#include "screens/TGameOverScreen.h"

class TGameFinishedScreen : public TGameOverScreen {
public:
    TGameFinishedScreen(const THost& host, const TResources& resources)
        : TGameOverScreen(host, resources) {
        name = "gamefinished";
    }

protected:
    [[nodiscard]] const char* HeaderName() const override { return "gamefinished"; }
    [[nodiscard]] const char* BackgroundName() const override { return "background.png"; }
    void EndGame() override {}
    [[nodiscard]] TScreen* NextScreen() const override { return HighScoresScreen; }
};
