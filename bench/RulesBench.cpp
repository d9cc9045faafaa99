// Picking up a piece marks every cell it can reach, in one flood over the board.

#include <benchmark/benchmark.h>

#include "game/TLevel.h"
#include "game/TSeededRandom.h"

namespace {

// A board in mid-game: about half full, with walls that make the searches wind.
void FillHalf(TBoardState& state, TRandomSource& random) {
    state.Clear();
    for (int placed = 0; placed < 40;) {
        const int x = random.RandomInt(0, BoardSize - 1);
        const int y = random.RandomInt(0, BoardSize - 1);
        if (state.Board[x][y] != EMPTY) continue;
        state.Board[x][y] = random.RandomInt(FirstFlavour, LastFlavour);
        ++placed;
    }
    state.PiecesOnBoard = state.CountOccupiedCells();
}

int Reachable(const TLevel& level) {
    int n = 0;
    for (const auto& column : level.Play.Selection.Dots) {
        for (bool dot : column) n += dot ? 1 : 0;
    }
    return n;
}

void SelectPiece(benchmark::State& state, bool emptyBoard) {
    TSeededRandom random(5);
    TLevel level(random, 8, false, 0);
    TBoardState& board = level.Play.BoardState;
    if (emptyBoard) {
        board.Clear();
        board.Board[0][0] = 2;
    } else {
        FillHalf(board, random);
    }
    // The piece that reaches the most cells: the searches that succeed are the long ones.
    int x = 0;
    int y = 0;
    int most = -1;
    for (int px = 0; px < BoardSize; ++px) {
        for (int py = 0; py < BoardSize; ++py) {
            if (!level.Select(px, py)) continue;
            const int reachable = Reachable(level);
            if (reachable > most) most = reachable, x = px, y = py;
        }
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(level.Select(x, y));
        benchmark::DoNotOptimize(level.Play.Selection.Dots);
    }
    state.counters["reachable"] = Reachable(level);
    state.counters["empty cells"] = board.CountEmptySquares();
}

void BM_SelectPieceHalfBoard(benchmark::State& state) {
    SelectPiece(state, false);
}
// The worst case: all 80 empty cells reachable across an open board.
void BM_SelectPieceEmptyBoard(benchmark::State& state) {
    SelectPiece(state, true);
}

BENCHMARK(BM_SelectPieceHalfBoard)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_SelectPieceEmptyBoard)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace
