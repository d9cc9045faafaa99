#pragma once
// Events of the rules that the play screen turns into sounds, particles and screen changes.
// Every hook does nothing until the screen sets it.

#include <functional>

#include "game/TLineRemoval.h"

// Powers by the number the rules use for them.
constexpr int PowerVortex = 1;
constexpr int PowerPalette = 2;
constexpr int PowerBomb = 3;

class TPlayHooks {
public:
    // A deal left the preview: `count` pieces (0 to 3) fly from preview slots 0.. to the
    // landing cells. The screen plays "deal".
    std::function<void(int count)> DealStarted = [](int) {};
    std::function<void(const TLineRemoval&)> LineRemoved = [](const TLineRemoval&) {};
    // The moving piece left the cell (x, y): a trail particle at its centre.
    std::function<void(int x, int y)> MoverLeftCell = [](int, int) {};
    // One shuffle sweep of the vortex ("click").
    std::function<void()> VortexSweep = [] {};
    // A power began its work on the board (palette "paint", bomb "boom").
    std::function<void(int power)> PowerStarted = [](int) {};
    // A power was used on a cell it cannot act on ("error").
    std::function<void()> PowerRefused = [] {};
    // A power finished and its cost is draining: a burst of `burst` machine pieces.
    std::function<void(int power, int burst)> PowerPaid = [](int, int) {};
    // The emptying machine lost another step of fill ("fail").
    std::function<void()> MachineEmptyingStep = [] {};
    // The level is lost (board full or clock out); the machine starts emptying.
    std::function<void()> LevelLost = [] {};
    // The machine is empty: hand over to the game-over screen.
    std::function<void()> GameOverScreen = [] {};
    // The machine has been full for the end delay: book the level; the celebration starts.
    std::function<void()> LevelWon = [] {};
    // The tutorial's last step: the player's tutorial flag is cleared and saved.
    std::function<void()> TutorialEnded = [] {};
};
