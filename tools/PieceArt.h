// The zindles themselves: glossy spheres per cell value, with the colour-blind symbols.
#pragma once

#include <cairo.h>

#include "Canvas.h"

namespace quillox::assets::pieces {

inline constexpr int kEmpty = 0;
inline constexpr int kBlackjack = 1;
inline constexpr int kRainbow = 11;
inline constexpr int kReserved = 12;

// The base colour of a flavour 2..10 (other values give grey).
Rgba FlavourColour(int value);

// Draws the piece for a cell value centred at (cx, cy); withSymbol adds the colour-blind mark.
void DrawPiece(Canvas& canvas, double cx, double cy, double radius, int value, bool withSymbol);

// A shaded sphere of any colour (used by the decorations as well).
void DrawSphere(Canvas& canvas, double cx, double cy, double radius, const Rgba& colour);

// The flavour's plain mark, filled dark with a light rim so it reads on any colour.
void DrawSymbol(cairo_t* cr, int value, double cx, double cy, double size);

}  // namespace quillox::assets::pieces
