#pragma once
// What one Classic move did, in the order the screen shows it: the lines the moved piece made,
// else the deal of the three shown pieces and the lines they made.

#include <array>
#include <vector>

#include "game/Cells.h"
#include "game/TLineRemoval.h"

class TClassicTurn {
public:
    bool Moved = false;
    // Lines the moved piece completed (Streak holds the number of lines, StreakBonus the
    // points).
    std::vector<TLineRemoval> MoveLines;
    // The board before the deal landed: after the move and its lines.
    TCells BeforeDeal{};
    // Pieces dealt (0 to 3), where they landed and what they were.
    int Dealt = 0;
    std::array<std::array<int, 2>, 3> DealCells{};
    std::array<int, 3> DealtPieces{};
    std::vector<TLineRemoval> DealLines;
    int Points = 0;
};
