#pragma once
// Path search over the board: a piece moves only through empty cells, up, down, left or right.
// The search runs greedily towards the destination; the order of the neighbours and the
// insertion rule of the open list decide between equal routes, so the route is the one the
// player has always seen, not merely some shortest one.

#include <array>

#include "game/Cells.h"
#include "game/TPath.h"

class TPathfinder {
public:
    void SetMap(const TCells* map) { PathMap = map; }
    // True when a path exists. The same cell as start and destination counts as found with
    // an empty path.
    bool FindPath(int startX, int startY, int destX, int destY);
    // Every cell FindPath would find a path to from the start, other than the start itself:
    // one flood over the board instead of a search per cell. Leaves the last path alone.
    void Reach(int startX, int startY,
               std::array<std::array<bool, BoardSize>, BoardSize>& out) const;

    // Cells on the last path found, both ends included; 0 when none was found.
    int PathLength = 0;
    // The last path as (x, y) pairs, destination first and start last.
    std::array<int, 2 * BoardSize * BoardSize> PathSteps{};

private:
    bool Free(int x, int y) const { return OnBoard(x, y) && (*PathMap)[x][y] < 1; }

    const TCells* PathMap = nullptr;
    std::array<TPath, BoardSize * BoardSize> PathNodes{};
    std::array<std::array<int, BoardSize>, BoardSize> NodeAt{};
};
