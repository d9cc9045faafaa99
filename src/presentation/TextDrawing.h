#pragma once
// Text drawing shared by labels, widgets and dialogs: shadowed and aligned lines in the current
// TrueType font, and word wrapping for either kind of font.

#include <memory>
#include <string>
#include <vector>

class TBitmapFont;

void DrawTextShadowed(float x, float y, const std::string& text, int centre);
// Alignment 0 left, 1 centred, 2 right; others draw nothing.
void DrawTextAligned(const std::string& text, float x, float y, int shadow, int alignment,
                     int round);
// Wraps to maxWidth measured in the bitmap font, or in the current TrueType font when there is
// none, times `scale`.
std::vector<std::string> WrapLines(const std::vector<std::string>& lines, float maxWidth,
                                   const TBitmapFont* bitmapFont, float scale);
