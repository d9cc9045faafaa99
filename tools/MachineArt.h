// The zindle machine: a glass globe on a brass-and-violet body, with the preview window.
// Everything is placed in play-screen coordinates and shifted by (dx, dy), so the level
// select can show the same machine elsewhere.
#pragma once

#include "Canvas.h"

namespace quillox::assets::machine {

// Play-screen geometry of the globe's inside.
inline constexpr double kCentreX = 113.5;
inline constexpr int kTopY = 154;     // first row of the inside
inline constexpr int kBottomY = 301;  // the surface line at fill 0; the floor below it
inline constexpr int kFullFill = 147;
// Where the empty-globe cover is drawn.
inline constexpr int kCoverX = 28;
inline constexpr int kCoverY = 154;
// The level select shows the machine this far from where the play screen has it.
inline constexpr int kLevelSelectDx = 566;
inline constexpr int kLevelSelectDy = 5;

// The globe alone: inside (empty above the fill line, pieces below it), glass and shine.
void DrawGlobe(Canvas& canvas, double dx, double dy, double fill, unsigned seed);
// The whole machine: cap, globe, body and the preview window.
void DrawMachine(Canvas& canvas, double dx, double dy, double fill, unsigned seed);
// Centre of the preview window (play screen) and its slot spacing.
inline constexpr double kPreviewX = 113;
inline constexpr double kPreviewY = 378;
inline constexpr double kPreviewGap = 28;

}  // namespace quillox::assets::machine
