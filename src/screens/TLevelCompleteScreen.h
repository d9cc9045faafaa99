#pragma once
// Stands in for the level-complete screen after a won level: it moves the player on to the next
// level in the profile (or, after the last level, finishes the game), shows the level's
// results and the level's best score and time, and OK plays the next level (after the last
// one, it leads to the title screen).

#include "screens/TResultScreen.h"

class TLevelCompleteScreen : public TResultScreen {
public:
    // 1 when the level just won was the last one.
    int GameFinished = 0;
    // Index (level - 1) of the level just won.
    int StatsLevel = 0;

    explicit TLevelCompleteScreen(const TResources& resources) : TResultScreen(resources) {
        name = "levelcomplete";
    }

    void Load() override;
    void Start() override;

protected:
    [[nodiscard]] TScreen* NextScreen() const override;
    void DrawNotes() const override;
};
