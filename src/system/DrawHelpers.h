#pragma once
// Small canvas helpers shared by the framework.

// Solid blend, alpha 1, colour white.
void ResetDrawState();
// Darkens the whole screen by a black rectangle of the given alpha; leaves white and alpha 1.
void DimScreen(float alpha);
void ClearScreenTo(int r, int g, int b);
void ClearScreenToAndFlip(int r, int g, int b);
