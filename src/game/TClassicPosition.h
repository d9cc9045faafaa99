#pragma once
// Everything one moment of a Classic game holds, and so everything an undo puts back: the
// board, the next three pieces, the score, the moves made and the random stream.

#include <array>
#include <cstdint>

#include "game/Cells.h"

class TClassicPosition {
public:
    TCells Board{};
    std::array<int, 3> Next3{};
    int Score = 0;
    int Moves = 0;
    std::uint64_t Random = 0;

    bool operator==(const TClassicPosition&) const = default;
};
