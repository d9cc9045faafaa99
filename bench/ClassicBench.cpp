// The Classic hint weighs every move of every piece: it must come in under 5 ms on any board.

#include <benchmark/benchmark.h>

#include "game/TClassicGame.h"
#include "game/TClassicHint.h"
#include "game/TClassicRandom.h"

namespace {

int Moves(const TCells& board) {
    TCells copy = board;
    TPathfinder paths;
    paths.SetMap(&copy);
    std::array<std::array<bool, BoardSize>, BoardSize> reach{};
    int moves = 0;
    for (int x = 0; x < BoardSize; ++x) {
        for (int y = 0; y < BoardSize; ++y) {
            if (board[x][y] == EMPTY) continue;
            paths.Reach(x, y, reach);
            for (const auto& column : reach) {
                for (bool can : column) moves += can ? 1 : 0;
            }
        }
    }
    return moves;
}

void Hint(benchmark::State& state, const TCells& board) {
    for (auto _ : state) benchmark::DoNotOptimize(TClassicHint::Search(board));
    state.counters["moves weighed"] = Moves(board);
}

// The most moves a board allows: 32 pieces in the odd columns below the top row, every one of
// them reaching all 49 empty cells along the open top row.
void BM_HintComb(benchmark::State& state) {
    TCells board{};
    TClassicRandom random(8);
    for (int x = 1; x < BoardSize; x += 2) {
        for (int y = 1; y < BoardSize; ++y) {
            board[x][y] = random.RandomInt(FirstFlavour, TClassicGame::LastClassicFlavour);
        }
    }
    Hint(state, board);
}

// A game in mid-play: the board after fifteen moves chosen by the hint itself.
void BM_HintMidGame(benchmark::State& state) {
    TClassicGame game;
    game.NewGame(21);
    for (int move = 0; move < 15 && !game.Over(); ++move) {
        const TClassicHint hint = TClassicHint::Search(game.Now.Board);
        game.Move(hint.FromX, hint.FromY, hint.ToX, hint.ToY);
    }
    Hint(state, game.Now.Board);
}

BENCHMARK(BM_HintComb)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_HintMidGame)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
