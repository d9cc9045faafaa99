#pragma once
// A list of text rows in a box: a click selects a row, a second click on it soon after is a
// double click, the up and down arrow keys move the selection (repeating while held), and the
// list scrolls so the selected row stays in view. Rows past the visible ones scroll with an
// optional scroll bar.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "presentation/TBox.h"
#include "presentation/TColor.h"
#include "presentation/TFont.h"
#include "presentation/TGameImage.h"
#include "presentation/TGameSound.h"
#include "presentation/TKeyRepeat.h"
#include "presentation/TScrollBar.h"

class TListBox {
public:
    TBox Box;
    int Gap = 5;
    int LineYOffset = 0;
    int LineHeight = 0;
    int Centred = 0;
    std::vector<std::string> Strings;
    int Index = -1;  // selected row
    int TopIndex = 0;
    std::string Value;  // the selected row's text
    TColor HighlightCol;
    int Limit = 0;  // most rows shown at once; 0: as many as the box holds
    int DisplayLines = 0;

    // The first argument has no effect; double clicks within doubleClickMs.
    static std::unique_ptr<TListBox> Create(int unused, int gap, int centred, int drawBox,
                                            int doubleClickMs);
    void SetCoords(float x, float y, float w, float h);
    void SetupBox(const TColor& color);
    void SetupFont(const media::Font& imageFont, const std::optional<TColor>& color,
                   const std::optional<TShadow>& shadow, std::shared_ptr<TBitmapFont> bitmapFont,
                   const std::optional<TColor>& inverseColor);
    void CalcLineHeight();
    // With RoundHeight the box is cut to whole rows; DisplayLines is how many it holds.
    void FitBox();
    // A vertical scroll bar along the box's right edge, shown while rows are out of view.
    void SetupScrollBar(const std::string& thumbPath, const std::string& upName,
                        const std::string& downName);

    void Clear();
    void Add(const std::string& text);
    void SetIndex(int index);
    void ClearIndex();
    void SetTopIndex(int index);
    // Rows shown at once.
    [[nodiscard]] int VisibleRows() const;
    // One past the last visible row.
    [[nodiscard]] int GetTempLimit() const;
    // The double-clicked row once, then -1.
    int GetDoubleClicked();
    void SetClickSound(std::shared_ptr<TGameSound> sound);
    void PlayClick() const;

    void Manage();
    void Draw();
    void DrawHighlight() const;
    void Kill();

private:
    [[nodiscard]] bool ScrollBarShown() const;
    void SyncScrollBar();
    void MoveSelection(int by);

    // How the rows are drawn.
    TFont Font;
    int DrawBox = 1;
    std::shared_ptr<TGameImage> Background;
    int BackgroundOffsetX = 0, BackgroundOffsetY = 0;
    int TextBorder = 10;
    int RoundHeight = 1;
    int HighlightUnder = 1;
    int NoShadowOnHighlighted = 0;
    std::vector<int> LockedArray;  // non-zero: the row is drawn in LockedColor
    TColor LockedColor;
    float Scale = 1;
    double OldScale = 1;  // the bitmap font's scale, put back after drawing
    // How clicks, keys and the scroll bar move the selection.
    int Clicked = -1;
    int DoubleClicked = -1;
    float DoubleClickTime = 100;  // logic steps
    float DoubleClickCounter = 0;
    std::shared_ptr<TGameSound> ClickSound;
    int ArrowKeysMoveHighlight = 1;
    TKeyRepeat UpKeyRepeat, DownKeyRepeat;
    std::unique_ptr<TScrollBar> ScrollBar;
};
