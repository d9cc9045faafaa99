#pragma once
// The move the Classic hint shows: of every piece and every empty cell it can reach, the move
// that completes the lines worth most, else the one that builds the longest run of the piece's
// flavour (the piece's old cell counted empty). Ties go to the first piece by column, then
// row, and its first cell likewise.

#include "game/Cells.h"

class TClassicHint {
public:
    int FromX = -1;
    int FromY = -1;
    int ToX = -1;
    int ToY = -1;
    // What the move makes: the points of its lines (0 for none) and its longest run.
    int Points = 0;
    int Run = 0;

    [[nodiscard]] bool Found() const { return FromX >= 0; }

    // The best move on `board`; none found when no piece can move.
    [[nodiscard]] static TClassicHint Search(const TCells& board);
};
