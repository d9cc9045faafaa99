#pragma once
// The board played from the keyboard: the arrow keys move a highlighted cell, Space or Enter
// clicks it, and 1, 2 and 3 click the vortex, palette and bomb tokens. The rules see each key
// as the pointer on the highlighted cell or the token, so a key does exactly what that click
// would, in the tutorial too.

#include "game/Cells.h"
#include "game/TPassInput.h"

class TKeyCursor {
public:
    int X = BoardSize / 2;
    int Y = BoardSize / 2;
    // The pointer is hidden and the keys steer; the highlight is shown.
    bool Steering = false;

    // With the pointer hidden, reads this step's keys and points `input` at the highlighted
    // cell, or at the token a number key names; otherwise leaves `input` to the mouse.
    void Steer(TPassInput& input, bool pointerHidden);
    // A frame around the highlighted cell while steering.
    void Draw() const;
};
