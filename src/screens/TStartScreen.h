#pragma once
// Stands in for the title screen at start-up and whenever a game ends: the title picture, a
// greeting for the current player, the level and score the player will resume with, a
// "changeplayer" button that opens the choose-player dialog, and a "playgame" button (Enter,
// Space or a click anywhere else) that starts play there. Escape ends the program.

#include "host/TScreen.h"

class TPlayer;
class TResources;

class TStartScreen : public TScreen {
public:
    // Set at start-up: the play screen's player record and the play screen.
    TPlayer* Player = nullptr;
    TScreen* PlayScreen = nullptr;

    // Draws with the fonts of `resources`, which must outlive the screen.
    explicit TStartScreen(const TResources& resources) : Resources(resources) { name = "start"; }

    void Load() override;
    void Start() override;
    void Logic() override;
    void Draw() override;

    // The choose-player dialog over this screen; the level and score shown follow the choice.
    void ShowPlayerManager();

private:
    const TResources& Resources;
};
