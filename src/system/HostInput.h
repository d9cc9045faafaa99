#pragma once
// The host's own key and mouse tables. The host's event pump records into them; the input
// helpers read them while the host owns the input, and ask the media layer while it polls.

#include <array>

struct HostInput {
    static constexpr int KeyCount = 256;
    static constexpr int RingSize = 256;

    std::array<int, KeyCount> KeyHits{};   // presses since the last test, per key code
    std::array<int, KeyCount> KeyDowns{};  // 1 while held
    std::array<int, RingSize> CharRing{};  // typed characters waiting to be read
    int CharStart = 0;
    int CharCount = 0;
    std::array<int, 4> MouseDowns{};  // buttons 1..3; entry 0 unused
    std::array<int, 4> MouseHits{};
    int MouseWheel = 0;
    int MouseX = 0;
    int MouseY = 0;
    // The media layer polls input until the host's event pump takes over.
    bool Polled = true;
    // What the player used last, so a screen can offer what suits it (a letter picker for a
    // pad, the highlight for keys).
    enum class Source { Mouse, Keys, Pad };
    Source LastSource = Source::Mouse;

    void RecordKeyDown(int code);
    void RecordKeyUp(int code);
    // Dropped when 256 characters are already waiting.
    void RecordChar(int character);
    void RecordMouseDown(int button);
    void RecordMouseUp(int button);
    // Next waiting character, 0 when none.
    int TakeChar();
    void ClearKeys();
    void ClearMouseButtons();
};

HostInput& Input();
