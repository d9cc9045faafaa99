#pragma once
// Lines of five or more through one cell: finding them and clearing them.

#include <array>

#include "game/TPlayState.h"

class TLines {
public:
    explicit TLines(TPlayState& play) : Play(play) {}

    static constexpr int LineLen = 5;
    // Longest list a check can collect: four runs through one cell, each at most a board wide.
    static constexpr int MaxRemoves = 4 * BoardSize;

    // Cells collected for removal as (x, y); entries 0 .. total - 1 are valid.
    std::array<std::array<int, 2>, MaxRemoves> RemoveList{};
    int total = 0;
    // Cleared at the start of every check of a piece, set by a removal.
    bool LineFound = false;
    // Removals since the last move that removed nothing; at most 6.
    int LineStreak = 0;
    // Number of the popup image of the last removal.
    int ioff = 0;

    // The full check and removal for the piece on (x, y).
    void CheckForLine(int x, int y);
    // The check for a landed piece of the deal, by slot.
    void CheckForNextDealFive(int slot);
    // The check for every piece on the board, after a vortex or a palette.
    void ShuffleCheck();

private:
    // Collects the run through the origin along one axis; returns its length when it is a line.
    int CheckRun(int flavour, int stepX, int stepY);
    int CheckAllDirections(int flavour);
    void CheckForDuplicates();
    void RemoveLines(int flavour);

    TPlayState& Play;
    int mx = 0;
    int my = 0;
};
