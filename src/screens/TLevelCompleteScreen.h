#pragma once
// After a won level: the next level is unlocked and stored in the profile (after the last one
// the game is finished), the level's results slide in with the level's best score and time
// below them, and OK or Enter leads to the level select, or to the game-finished screen.

#include <memory>

#include "host/TScreen.h"
#include "screens/TResultLines.h"

class TPlayer;
class TResources;

class TLevelCompleteScreen : public TScreen {
public:
    // Draws with the fonts of `resources`, which must outlive the screen.
    explicit TLevelCompleteScreen(const THost& host, const TResources& resources)
        : TScreen(host), Resources(resources) {
        name = "levelcomplete";
    }

    // Set at start-up: the play screen's player record and where OK leads. Without a record the
    // screen shows no results and changes no progress.
    TPlayer* Player = nullptr;
    TScreen* LevelSelectScreen = nullptr;
    TScreen* GameFinishedScreen = nullptr;

    std::unique_ptr<TResultLines> SlideLines;
    // 1 when the level just won was the last one.
    int GameFinished = 0;
    // Index (level - 1) of the level just won.
    int StatsLevel = 0;

    void Load() override;
    void Start() override;
    void Kill() override;
    void Logic() override;
    void Draw() override;
    int SetEscDestination(TScreen*& destination) override;
    void AddState(JsonObject& state) const override;

    void SetSlideLines();

private:
    [[nodiscard]] TScreen* NextScreen() const;
    void DrawBestResults() const;

    const TResources& Resources;
};
