#pragma once
// The totals of a game on the closing screens: the final score and the total time, sliding in
// as the level results do.

#include <memory>

#include "screens/TResultLines.h"

class TResources;

class TGameTotals : public TResultLines {
public:
    explicit TGameTotals(const TResources& resources) : TResultLines(resources) {}

    // The totals of `score` and `totalTicks` (logic ticks of msPerTick milliseconds), started.
    static std::unique_ptr<TGameTotals> Create(const TResources& resources, int score,
                                               int totalTicks, double msPerTick);
    void SetSlideLines();
    // In the middle of the screen, for a screen without the name entry below the totals.
    void CentreVert();

private:
    int Score = 0;
    int TotalTicks = 0;
    double MsPerTick = 5;
};
