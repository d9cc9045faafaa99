#pragma once
// The best score and the best time of each of the 15 levels with the players who set them, and
// a "clear" button that puts the defaults back after a question. OK and Escape lead back to
// the high scores.

#include <optional>

#include "host/TScreen.h"
#include "store/TBestResults.h"

class TBitmapFont;
class TResources;

class TLevelStatsScreen : public TScreen {
public:
    // Draws with the shared fonts of `resources`, which must outlive the screen.
    explicit TLevelStatsScreen(const THost& host, const TResources& resources)
        : TScreen(host), Resources(resources) {
        name = "levelstats";
    }

    // Set at start-up: where OK and Escape lead.
    TScreen* HighScoresScreen = nullptr;

    int StartY = 110;
    int col1 = 75, col2 = 150, col3 = 365, col4 = 471, col5 = 686;

    void Load() override;
    void Start() override;
    void Logic() override;
    void Draw() override;
    int SetEscDestination(TScreen*& destination) override;
    void AddState(JsonObject& state) const override;

    // Every level back to no holder, 0 and 0:00, written at once.
    void ClearLevelStats();

private:
    void DrawRows(TBitmapFont& font, const TBestResults& best) const;
    const TResources& Resources;
};
