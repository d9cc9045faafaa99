#pragma once
// What the tutorial's speech box shows in one frame: where the box and its pointer go and the
// text inside. Nothing is drawn while Shown is false.

#include <array>
#include <string>

class TTutorialBox {
public:
    bool Shown = false;
    // Top-left corner of the box.
    int X = 0;
    int Y = 0;
    bool HasPointer = false;
    // The pointer's tip; a scale of -1 mirrors it on that axis so that it points from the box
    // toward the cell or token being taught.
    int PointerX = 0;
    int PointerY = 0;
    int PointerScaleX = 1;
    int PointerScaleY = 1;
    // Drawn with the 16-point tutorial font; an empty line stays blank.
    std::array<std::string, 3> Lines;
    // "- click for next -" in the 12-point font: the step goes on with a click anywhere.
    bool NextHint = false;
};
