#pragma once
// Lines of the Classic game: five or more of one flavour in a row, a column or a diagonal,
// and what they score. A line of five scores 10 and every piece beyond five 5 more (six 15,
// seven 20, eight 25, nine 30); when one piece completes two or more lines at once their sum is
// multiplied by the number of lines.

#include <array>
#include <vector>

#include "game/Cells.h"

class TClassicLines {
public:
    static constexpr int LineLen = 5;

    // The lines through one cell: the length of each, and every cell of them once, the cell
    // itself first.
    class TFound {
    public:
        std::vector<int> Lengths;
        std::vector<std::array<int, 2>> Cells;
        bool Any() const { return !Lengths.empty(); }
    };

    // Pieces of `flavour` in a row through (x, y) along (stepX, stepY) both ways, counting
    // (x, y) as one of them whatever it holds.
    [[nodiscard]] static int Run(const TCells& board, int x, int y, int flavour, int stepX,
                                 int stepY);
    // The longest of the four runs through (x, y) for `flavour`.
    [[nodiscard]] static int LongestRun(const TCells& board, int x, int y, int flavour);
    // The lines through the piece on (x, y); none for an empty cell.
    [[nodiscard]] static TFound Find(const TCells& board, int x, int y);
    [[nodiscard]] static int LinePoints(int length);
    [[nodiscard]] static int Points(const std::vector<int>& lengths);
    // The lines of flavour `flavour` that a piece put on (x, y) would complete, scored.
    [[nodiscard]] static int PointsIfPlaced(const TCells& board, int x, int y, int flavour);

    // The four directions: row, column and the two diagonals.
    static constexpr int Directions[4][2] = {{1, 0}, {0, 1}, {1, 1}, {1, -1}};
};
