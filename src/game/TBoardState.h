#pragma once
// The board and the bookkeeping kept beside it: how many cells are taken and where the deal
// in flight is going to land.

#include <array>

#include "game/Cells.h"

class TBoardState {
public:
    TCells Board{};
    // Occupied cells (value 1 or more, reserved cells included). Kept up to date by every rule
    // that adds or removes pieces rather than recounted.
    int PiecesOnBoard = 0;
    // Landing cell (x, y) of each slot of the deal in flight.
    std::array<std::array<int, 2>, 3> DealCells{};
    // Landed deal pieces whose lines are still to be looked for.
    int DealtToCheck = 0;
    // The deal in flight fills the board; the full-board judgement waits for its pieces.
    bool DealFillsBoard = false;
    bool DealAnimating = false;

    void Clear();
    int& At(int x, int y) { return Board[x][y]; }
    int At(int x, int y) const { return Board[x][y]; }
    // Cells holding exactly 0: reserved cells are not empty.
    int CountEmptySquares() const;
    int CountOccupiedCells() const;
};
