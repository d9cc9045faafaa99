#pragma once
// The palette power: a brush circles the chosen piece and repaints its eight neighbours in
// the piece's flavour.

#include <array>

#include "game/TPlayState.h"
#include "game/TPowers.h"
#include "game/TStepTimer.h"

class TPalette {
public:
    TPalette(TPlayState& play, TPowers& powers) : Play(play), Powers(powers) {}

    static constexpr float LengthMs = 1500;
    static constexpr int DrainBurst = 6;
    // Steps of the brush round its circle; the last one ends the power.
    static constexpr int LastPaintStep = 56;

    TStepTimer BrushAnim;
    // The brush is drawn.
    bool DoPaint = false;
    // Step of the brush along its circle, -1 before the first.
    int nPaint = -1;
    // Animation ratio x 1000 at the last brush step.
    float BrushX = 1000;
    // The flavour being painted and the chosen cell.
    int pColor = 0;
    int PBX = 0;
    int PBY = 0;
    // Centre of the brush's circle on screen.
    int px = 0;
    int py = 0;

    // A board click while the palette is armed; false (and "error") for a cell it refuses.
    bool Click(int x, int y);
    // One pass; true on the pass the palette finishes (the board is then checked for lines).
    bool Logic(float delta);

private:
    // Paints the neighbour that belongs to the brush's current step, if any.
    void Assimilate();
    void Finish();

    TPlayState& Play;
    TPowers& Powers;
};
