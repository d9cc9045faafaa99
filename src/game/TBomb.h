#pragma once
// The bomb power: explosions run along the row and the column of the chosen cell and clear
// them halfway through.

#include <array>

#include "game/TPlayState.h"
#include "game/TPowers.h"
#include "game/TStepTimer.h"

class TBomb {
public:
    TBomb(TPlayState& play, TPowers& powers);

    static constexpr float LengthMs = 1000;
    static constexpr int DrainBurst = 8;
    static constexpr int ExplosionFrames = 16;
    // The explosion frame at which the row and column are cleared.
    static constexpr int ClearingFrame = 8;

    TStepTimer BombAnim;
    // Next explosion frame, 0 to 15.
    int nExplosions = 0;
    // Explosion frames are drawn.
    bool doExplosion = false;
    // Animation ratio x 1000 at the last explosion step.
    float BombX = 1000;
    // The target cell.
    int ExpX = 0;
    int ExpY = 0;
    // Explosion frame to draw on each cell, -1 for none.
    std::array<std::array<int, BoardSize>, BoardSize> ExplosionMap{};

    // A board click while the bomb is armed; false when the cell is refused.
    bool Click(int x, int y);
    void Logic(float delta);

private:
    void ClearCross();
    void ForEachCrossCell(auto&& action);

    TPlayState& Play;
    TPowers& Powers;
    bool Cleared = false;
};
