#pragma once
// Numbers that vary by level, and the shape of the machine's globe.

#include <array>

#include "store/LevelCount.h"

// Height of the machine in pixels of fill; a full machine wins the level.
constexpr int MachineFull = 147;

// Highest cell value dealt at each level (index 0 is never read): 5 to 9 flavours.
constexpr std::array<int, 16> NextMax = {0, 6, 6, 6, 7, 7, 7, 8, 8, 8, 9, 9, 9, 10, 10, 10};

// Machine pixels earned per removed piece (index 0 is never read).
constexpr std::array<int, 16> FillPerZindle = {8, 7, 6, 6, 5, 5, 5, 4, 4, 4, 3, 3, 3, 2, 2, 1};

// Levels outside 1..15 (a damaged save) play as the nearest real level.
constexpr int ClampLevel(int level) {
    return level < 1 ? 1 : (level > LevelCount ? LevelCount : level);
}

// Half width of the globe's surface at each whole fill height 0..147.
const std::array<int, MachineFull + 1>& GlobeHalfWidth();
