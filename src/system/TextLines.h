#pragma once
// Breaking text into lines: at line ends, and to a pixel width for any font. The width is
// measured by the caller's function so that TrueType and bitmap fonts share the same rules.

#include <functional>
#include <string>
#include <vector>

// Splits at "\n", dropping a "\r" just before it; a final newline adds no empty line and an
// empty text gives no lines.
std::vector<std::string> SplitLines(const std::string& text);

// Fills each line word by word while the measured width stays within maxWidth. Empty lines
// stay; a word wider than maxWidth keeps a line of its own, unbroken.
std::vector<std::string> WrapLines(const std::vector<std::string>& lines, float maxWidth,
                                   const std::function<float(const std::string&)>& measure);
