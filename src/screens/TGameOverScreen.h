#pragma once
// Stands in for the game-over screen after a lost level: the profile's game is reset (the
// unlocked levels stay), the final score, total time and the level reached are shown, and OK
// starts a new game from the profile. Escape leads to the title screen.

#include "screens/TResultScreen.h"

class TGameOverScreen : public TResultScreen {
public:
    explicit TGameOverScreen(const TResources& resources) : TResultScreen(resources) {
        name = "gameover";
    }

    void Load() override;
    void Start() override;
    int SetEscDestination(TScreen*& destination) override;

protected:
    [[nodiscard]] TScreen* NextScreen() const override;
    void BeforeLeaving() override;
    void DrawNotes() const override;
};
