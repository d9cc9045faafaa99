#pragma once
// The piece the player has picked up, the cell under the mouse, and the cells it can reach.

#include <array>

#include "game/Cells.h"

class TSelection {
public:
    // Cell value of the selected piece; 0 when nothing is selected.
    int SelectedValue = 0;
    int SelectedX = -1;
    int SelectedY = -1;
    // Set only on the pass in which a piece was selected.
    bool JustSelected = false;
    int CursorCellX = 0;
    int CursorCellY = 0;
    bool PieceMoving = false;
    // Empty cells the selected piece can reach, Dots[x][y].
    std::array<std::array<bool, BoardSize>, BoardSize> Dots{};

    void ClearSelection() {
        SelectedValue = 0;
        SelectedX = -1;
        SelectedY = -1;
    }
};
