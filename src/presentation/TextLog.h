#pragma once
// What the frame's texts were, for state dumps and the tests that check every text fits where it
// is drawn: while the host keeps a log (scripted runs), each text drawn in a font is noted with
// the rectangle its glyphs cover, the layer it belongs to (0 the screen, N the Nth open dialog
// from the bottom), the box it must stay inside, and how many of its characters the font lacks.

#include <string>

struct TTextRect {
    float X = 0, Y = 0, W = 0, H = 0;
};

struct TDrawnText {
    std::string Text;
    TTextRect Rect;
    int Layer = 0;
    bool Bounded = false;  // Bounds holds the box; otherwise the screen is the box
    TTextRect Bounds;
    int Missing = 0;
};

// Notes a drawn text in the installed context's log, when it keeps one.
void LogDrawnText(const std::string& text, const TTextRect& rect, int missing);

// Texts drawn while one of these lives must stay inside `bounds`.
class TTextBoundsScope {
public:
    explicit TTextBoundsScope(const TTextRect& bounds);
    ~TTextBoundsScope();
    TTextBoundsScope(const TTextBoundsScope&) = delete;
    TTextBoundsScope& operator=(const TTextBoundsScope&) = delete;

private:
    bool HadBounds;
    TTextRect Saved;
};
