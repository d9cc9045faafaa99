#pragma once
// The machine's table of best scores: name, score and level of each of the ten rows, the row the
// last name entry added marked, a "clear" button that empties the table after a question and a
// "levelstats" button to the best results of every level. A switch shows the Classic game's
// table instead (names and scores, cleared after a question of its own) and back. OK and
// Escape lead to the title, and the next visit shows the level table again.

#include <memory>

#include "host/TScreen.h"
#include "presentation/TGameImage.h"

class THighScoreList;
class TResources;

class THighScoresScreen : public TScreen {
public:
    // Draws with the shared images and fonts of `resources`, which must outlive the screen.
    explicit THighScoresScreen(const THost& host, const TResources& resources)
        : TScreen(host), Resources(resources) {
        name = "highscores";
    }

    // Set at start-up: where OK and Escape lead, and the level statistics.
    TScreen* TitleScreen = nullptr;
    TScreen* LevelStatsScreen = nullptr;
    // The Classic table is shown rather than the level one.
    bool Classic = false;

    // The marker of the new row: a small piece from the preview strip.
    std::shared_ptr<TGameImage> NewScore;
    int StartY = 94;
    int col1 = 80, col2 = 515, col3 = 668;

    void Load() override;
    void Start() override;
    void Kill() override;
    void Logic() override;
    void Draw() override;
    int SetEscDestination(TScreen*& destination) override;
    void AddState(JsonObject& state) const override;

    // Ten "Empty" rows of score 0 in the table shown, written at once.
    void ClearHighScores() const;

private:
    const TResources& Resources;

    // The host's table shown; none before start-up loads the level one.
    [[nodiscard]] THighScoreList* Table() const;
    void AddButtons();
    void Leave(TScreen* next);
};
