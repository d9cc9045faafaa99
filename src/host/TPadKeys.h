#pragma once
// A pad plays through the keys the game already answers to, so no screen needs to know about
// pads: each button stands for a key (A for Enter, B for Escape, the D-pad and stick for the
// arrows, X, Y and the shoulders for the power tokens, Back for Tab), and a held direction
// repeats the way a held arrow key moves a slider. A pad types no characters: a text field
// takes its letters from the on-screen picker, which reads the keys.

#include <array>

#include "media/Media.h"

struct HostInput;

class TPadKeys {
public:
    static constexpr int FirstRepeatMs = 400;
    static constexpr int NextRepeatMs = 120;

    // The key a button stands for. Start opens the in-game menu on the board and pauses
    // elsewhere.
    static int KeyFor(media::PadButton button, bool onBoard);

    // `key`: what the button stands for here (KeyFor's answer unless the screen has its own).
    void Press(media::PadButton button, int key, HostInput& input);
    void Release(media::PadButton button, HostInput& input);
    // A pad that goes lets go of everything it held.
    void ReleaseAll(HostInput& input);
    // One logic step: the direction pressed last repeats while it stays held.
    void Step(HostInput& input);

private:
    std::array<int, media::PadButtonCount> HeldKeys{};  // the key each held button pressed
    int RepeatButton = -1;
    float InitialCounter = 0;
    int RepeatCounter = 0;
    int LastState = 0;
};
