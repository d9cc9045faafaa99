#pragma once
// What one removal of lines did, for the play screen's popups, rings, bubbles and sound.

#include <array>
#include <vector>

class TLineRemoval {
public:
    // The cell whose lines were looked for (the popup goes to its centre).
    int OriginX = 0;
    int OriginY = 0;
    // The flavour the lines were made of (RAINBOW for a line of rainbows alone).
    int Flavour = 0;
    // Removed cells as (x, y), the origin first, each cell once.
    std::vector<std::array<int, 2>> Cells;
    // Number of the "score" popup image: the removed count, at most 20.
    int PopupImage = 0;
    // Removals since the last dry move, this one included (1 to 6).
    int Streak = 0;
    // Points added to the level score; the second popup shows it when it is not 0.
    int StreakBonus = 0;
    // Machine pixels booked as pending fill.
    float Fill = 0;
};
