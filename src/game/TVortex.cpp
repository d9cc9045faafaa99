#include "game/TVortex.h"

#include <cstdint>
#include <utility>

namespace {

constexpr float SweepEvery = 100;

}  // namespace

void TVortex::Start() {
    VortexAnim.Start(Play.CalcAnimLength(LengthMs));
    VortexX = 1000;
    Play.TutVortex = true;
    Play.Hooks.PowerStarted(PowerVortex);
}

void TVortex::ShuffleSweep() {
    TCells& board = Play.BoardState.Board;
    for (int x = 0; x < BoardSize; ++x) {
        for (int y = 0; y < BoardSize; ++y) {
            if (board[x][y] == EMPTY || board[x][y] == RESERVED) continue;
            const int tx = Play.Random.RandomInt(0, BoardSize - 1);
            const int ty = Play.Random.RandomInt(0, BoardSize - 1);
            // A landing cell keeps its place, or the deal would land on a piece.
            if (board[tx][ty] == RESERVED) continue;
            std::swap(board[x][y], board[tx][ty]);
        }
    }
}

void TVortex::SetTutorialBoard(double now) {
    Play.Random.Seed(static_cast<std::uint32_t>(static_cast<std::int64_t>(now)));
    TBoardState& state = Play.BoardState;
    state.Clear();
    struct Placed {
        int x, y, value;
    };
    constexpr Placed script[] = {{1, 5, BLACKJACK}, {4, 3, 3}, {7, 6, 3}, {4, 2, 4},
                                 {3, 4, 6},         {5, 3, 2}, {1, 0, 4}, {6, 3, 5}};
    for (const auto& p : script) state.Board[p.x][p.y] = p.value;
    state.PiecesOnBoard = static_cast<int>(std::size(script));
}

bool TVortex::Logic(const TPassInput& input) {
    if (!VortexAnim.Active) return false;
    if (VortexAnim.Manage(input.Delta)) {
        Powers.Active = 0;
        Play.Machine.PendingDrain += Powers.SCost;
        Play.Hooks.PowerPaid(PowerVortex, DrainBurst);
        if (Play.TutorialGame) SetTutorialBoard(input.Now);
        return true;
    }
    const float ratio = VortexAnim.GetRatio() * 1000;
    if (ratio <= VortexX - SweepEvery) {
        Play.Hooks.VortexSweep();
        ShuffleSweep();
        VortexX = ratio;
    }
    return false;
}
