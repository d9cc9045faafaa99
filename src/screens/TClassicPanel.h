#pragma once
// What the Classic screen draws besides the board: the left panel in the level board's shade
// over its machine (the title, the day's best, the window of the next three, score and moves),
// the frames of a hint and the notice of a full board.

class TClassicRecord;
class TResources;

class TClassicPanel {
public:
    static void Draw(const TClassicRecord& record, const TResources& resources);
    // A frame around cell (x, y) in the colour given.
    static void CellFrame(int x, int y, int red, int green, int blue);
    // The board dimmed under the final score (and the day's best of a daily board).
    static void DrawEnd(const TClassicRecord& record, const TResources& resources);
};
