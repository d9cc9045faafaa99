#pragma once
// The 30 pages of the instructions (three on the Classic game; the last three list the keys and
// the pad's buttons): where each page's text box and pointing arrow stand over the board
// picture, and its four lines of text.

#include <array>
#include <string_view>

struct InstructionPage {
    // Centre of the text box.
    int BoxX, BoxY;
    // Frame of "arrows.png" (NoArrow for none) and the arrow's centre.
    int ArrowFrame;
    int ArrowX, ArrowY;
    std::array<std::string_view, 4> Lines;
};

inline constexpr int InstructionPageCount = 30;
inline constexpr int NoArrow = 5;

[[nodiscard]] const std::array<InstructionPage, InstructionPageCount>& InstructionPages();
