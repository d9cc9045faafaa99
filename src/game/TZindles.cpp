#include "game/TZindles.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr float EmptyingStep = 10;

}  // namespace

void TZindles::Clear(double now) {
    Play.Random.Seed(static_cast<std::uint32_t>(static_cast<std::int64_t>(now)));
    Play.BoardState.Clear();
}

void TZindles::FirstDeal() {
    TBoardState& board = Play.BoardState;
    if (Play.TutorialGame) {
        struct Placed {
            int x, y, value;
        };
        constexpr Placed script[] = {{1, 2, 5}, {4, 2, 5}, {5, 7, 5}, {7, 4, 3}, {2, 7, 3},
                                     {0, 6, 6}, {8, 3, 4}, {8, 2, 2}, {6, 8, 5}, {2, 0, 4}};
        for (const auto& p : script) board.Board[p.x][p.y] = p.value;
        board.PiecesOnBoard = static_cast<int>(std::size(script));
    } else {
        // The same low flavours at every level, so no level opens with a crowd of colours.
        int values[6] = {4, 5, 6, 0, 0, 0};
        for (int i = 3; i < 6; ++i) values[i] = Play.Random.RandomInt(2, 6);
        for (int value : values) {
            int x = 0;
            int y = 0;
            do {
                x = Play.Random.RandomInt(0, BoardSize - 1);
                y = Play.Random.RandomInt(0, BoardSize - 1);
            } while (board.Board[x][y] != EMPTY);
            board.Board[x][y] = value;
        }
        board.PiecesOnBoard = 6;
    }
    Play.Machine.MachineFill = 0;
}

void TZindles::GameOver(double now) {
    Play.Machine.MachineEmptying = true;
    STARTTIME = now;
}

void TZindles::Logic(double now) {
    TMachine& machine = Play.Machine;
    if (!machine.MachineEmptying) return;
    if (now >= STARTTIME + FAILSPEED) {
        machine.MachineFill = std::max(0.0f, machine.MachineFill - EmptyingStep);
        if (machine.MachineFill > 0) {
            Play.Hooks.MachineEmptyingStep();
            STARTTIME = now;
        }
    }
    if (machine.MachineFill == 0 && now >= STARTTIME + GAMEOVERSPEED) {
        machine.MachineEmptying = false;
        machine.LevelOver = true;
        Play.Hooks.GameOverScreen();
    }
}
