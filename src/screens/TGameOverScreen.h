#pragma once
// After a lost level: the profile's game is reset (the unlocked levels stay), the game's
// totals slide in and a score that earns a row in the high-score table asks for a name. OK or
// Enter adds the name and leads to the high scores, or to the title after a score of 0;
// Escape leads to the title without adding anything.

#include <memory>

#include "host/TScreen.h"
#include "screens/TGameTotals.h"
#include "screens/THighScoreEntry.h"

class TPlayer;
class TResources;

class TGameOverScreen : public TScreen {
public:
    // Draws with the fonts of `resources`, which must outlive the screen.
    explicit TGameOverScreen(const THost& host, const TResources& resources)
        : TScreen(host), Resources(resources) {
        name = "gameover";
    }

    // Set at start-up: the play screen's player record and where the screen leads.
    TPlayer* Player = nullptr;
    TScreen* TitleScreen = nullptr;
    TScreen* HighScoresScreen = nullptr;

    std::unique_ptr<THighScoreEntry> High;
    std::unique_ptr<TGameTotals> GameTotals;

    void Load() override;
    void Start() override;
    void Kill() override;
    void Logic() override;
    void Draw() override;
    int SetEscDestination(TScreen*& destination) override;
    void AddState(JsonObject& state) const override;

protected:
    // The header picture and background of this screen.
    [[nodiscard]] virtual const char* HeaderName() const { return "gameover"; }
    [[nodiscard]] virtual const char* BackgroundName() const { return "background3.png"; }
    // Books the game's end in the profile.
    virtual void EndGame();
    // Where OK leads.
    [[nodiscard]] virtual TScreen* NextScreen() const;

    const TResources& Resources;
};
