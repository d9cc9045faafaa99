#pragma once
// One line of typed text: takes the host's typed characters one per logic step, refuses what
// it must (banned characters, too long, too wide), and draws the text with a blinking "_"
// cursor and optional dots for the free places. While it is active the host ignores its
// global keys, so typing "p" or Escape reaches the field and not the pause or exit keys.

#include <memory>
#include <optional>
#include <string>

#include "media/Media.h"
#include "presentation/TBitmapFont.h"
#include "presentation/TColor.h"
#include "presentation/TShadow.h"

class TTextInput {
public:
    std::string Text;  // UTF-8
    int MaxLength = 10;
    int MaxPixelWidth = 0;  // 0: no pixel limit
    int CurrentChar = 1;    // characters in Text + 1
    int Active = 0;
    int Done = 0;
    int X = 0, Y = 0;
    TColor TextCol;
    std::optional<TShadow> TextShadow;
    TColor DotCol;
    TColor CursorCol;
    media::Font Font;
    std::shared_ptr<TBitmapFont> BitmapFont;
    int DrawDots = 0;
    int DrawUnderscore = 1;
    float CursorFlashCounter = 0;
    int CursorFlashSpeed = 0;  // logic steps per blink phase
    int CursorOn = 1;
    int AllowEscToAbort = 1;
    int AllowNull = 1;
    std::string BannedChars;
    int AllowExtendedChars = 0;
    int NumbersOnly = 0;
    // A dot may not start the text (it would make a hidden file of a name).
    int NoLeadingDot = 0;

    // White text, grey dots, a cyan cursor blinking every 250 ms; then Reset.
    void Init(const media::Font& font, const std::string& text, int x, int y,
              std::shared_ptr<TBitmapFont> bitmapFont);
    // Starts taking keys: the host's global keys are blocked and its pending keys and typed
    // characters dropped.
    void Reset();
    // Stops taking keys and gives the host its global keys back.
    void Finish();
    void SetCursorFlashSpeed(int ms);
    // The characters that may not appear in a file name: " | * \ / : ; ~ ? < > , + = %
    void MakeCharsFileNameSafe();
    // Pixel width of Text + extra in the field's font.
    [[nodiscard]] float GetWidth(const std::string& extra) const;
    [[nodiscard]] int Length() const;
    // Replaces the text, cut to MaxLength characters.
    void SetText(const std::string& text);
    // 1 when the entry was confirmed with Enter, -1 when aborted with Escape, else 0.
    int Manage();
    void Draw() const;
    // Whether typing this character now would add it: the one rule for what the field takes,
    // which an on-screen keyboard asks too.
    [[nodiscard]] bool Accepts(int code) const;

private:
    void DrawPiece(const std::string& piece, float px) const;
};
