#pragma once
// Small canvas helpers shared by the framework.

// Solid blend, alpha 1, colour white.
void ResetDrawState();
// Darkens the whole screen by a black rectangle of the given alpha; leaves white and alpha 1.
void DimScreen(float alpha);
// A one-pixel frame along the rectangle's edges, in the current colour and alpha.
void DrawRectOutline(float x, float y, float w, float h);
