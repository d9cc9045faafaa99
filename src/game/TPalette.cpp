#include "game/TPalette.h"

namespace {

constexpr float BrushEvery = 10;

// The brush step at which each neighbour is painted, clockwise from the right.
struct PaintStep {
    int step, dx, dy;
};
constexpr PaintStep PaintSteps[] = {{4, 1, 0},   {11, 1, 1},   {18, 0, 1},  {25, -1, 1},
                                    {32, -1, 0}, {39, -1, -1}, {46, 0, -1}, {52, 1, -1}};

// The tutorial's palette lesson works on this cell only.
constexpr int TutorialCellX = 4;
constexpr int TutorialCellY = 3;

}  // namespace

bool TPalette::Click(int x, int y) {
    const int value = Play.BoardState.Board[x][y];
    const bool accepted =
        Play.TutorialGame ? (x == TutorialCellX && y == TutorialCellY) : IsMovablePiece(value);
    if (!accepted || !IsMovablePiece(value)) {
        Play.Hooks.PowerRefused();
        return false;
    }
    PBX = x;
    PBY = y;
    pColor = value;
    px = CellCentreX(x) - 6;
    py = CellCentreY(y) - 6;
    BrushAnim.Start(Play.CalcAnimLength(LengthMs));
    DoPaint = false;
    nPaint = -1;
    BrushX = 1000;
    Play.TutPalette = true;
    Play.Hooks.PowerStarted(PowerPalette);
    return true;
}

void TPalette::Assimilate() {
    for (const auto& s : PaintSteps) {
        if (s.step != nPaint) continue;
        const int x = PBX + s.dx;
        const int y = PBY + s.dy;
        if (!OnBoard(x, y)) return;
        int& cell = Play.BoardState.Board[x][y];
        // Empty neighbours stay empty; blackjacks and rainbows take the colour too.
        if (cell >= BLACKJACK && cell <= RAINBOW) cell = pColor;
        return;
    }
}

void TPalette::Finish() {
    Powers.Active = 0;
    DoPaint = false;
    BrushAnim.Stop();
    Play.Machine.PendingDrain += Powers.PCost;
    Play.Hooks.PowerPaid(PowerPalette, DrainBurst);
}

bool TPalette::Logic(float delta) {
    if (!BrushAnim.Active) return false;
    if (BrushAnim.Manage(delta)) {
        // Ran out before the brush came round (very long passes): the neighbours it did not
        // reach stay as they are, and a power that did not finish costs nothing.
        Powers.Active = 0;
        DoPaint = false;
        return true;
    }
    const float ratio = BrushAnim.GetRatio() * 1000;
    if (ratio > BrushX - BrushEvery) return false;
    DoPaint = true;
    ++nPaint;
    Assimilate();
    BrushX = ratio;
    if (nPaint >= LastPaintStep) {
        Finish();
        return true;
    }
    return false;
}
