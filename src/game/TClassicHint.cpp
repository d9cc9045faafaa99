#include "game/TClassicHint.h"

#include "game/TClassicLines.h"
#include "game/TPathfinder.h"

TClassicHint TClassicHint::Search(const TCells& board) {
    TClassicHint best;
    TCells lifted = board;
    TPathfinder pathfinder;
    pathfinder.SetMap(&lifted);
    std::array<std::array<bool, BoardSize>, BoardSize> reach{};
    for (int fx = 0; fx < BoardSize; ++fx) {
        for (int fy = 0; fy < BoardSize; ++fy) {
            const int flavour = board[fx][fy];
            if (flavour == EMPTY) continue;
            // The piece leaves its cell: a run along its own line must not count it twice.
            lifted[fx][fy] = EMPTY;
            pathfinder.Reach(fx, fy, reach);
            for (int tx = 0; tx < BoardSize; ++tx) {
                for (int ty = 0; ty < BoardSize; ++ty) {
                    if (!reach[tx][ty]) continue;
                    const int points = TClassicLines::PointsIfPlaced(lifted, tx, ty, flavour);
                    const int run = TClassicLines::LongestRun(lifted, tx, ty, flavour);
                    if (best.Found() &&
                        (points < best.Points || (points == best.Points && run <= best.Run))) {
                        continue;
                    }
                    best = TClassicHint{fx, fy, tx, ty, points, run};
                }
            }
            lifted[fx][fy] = flavour;
        }
    }
    return best;
}
