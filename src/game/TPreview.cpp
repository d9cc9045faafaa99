#include "game/TPreview.h"

#include <algorithm>

#include "game/LevelTables.h"

namespace {

constexpr float DealGrowth = 0.016f;
constexpr int DealsPerBlackjack = 12;

}  // namespace

void TPreview::NextDeal() {
    Last3 = Next3;
    if (Play.TutorialGame) {
        // The script is read round and round, so extra deals never read past its end.
        for (int& piece : Next3) {
            piece = TutBalls[TutBallCount % TutBalls.size()];
            TutBallCount = (TutBallCount + 1) % static_cast<int>(TutBalls.size());
        }
        return;
    }
    ++dealCnt;
    const int level = Play.Level;
    for (int& piece : Next3) piece = Play.Random.RandomInt(FirstFlavour, NextMax[level]);
    if (dealCnt % (level + 1) == 0) Next3[Play.Random.RandomInt(0, 2)] = RAINBOW;
    if (dealCnt % DealsPerBlackjack == 0) {
        int slot = 0;
        do {
            slot = Play.Random.RandomInt(0, 2);
        } while (Next3[slot] == RAINBOW);
        Next3[slot] = BLACKJACK;
    }
}

std::array<int, 2> TPreview::RandomEmptyCell() {
    for (;;) {
        const int x = Play.Random.RandomInt(0, BoardSize - 1);
        const int y = Play.Random.RandomInt(0, BoardSize - 1);
        if (Play.BoardState.Board[x][y] == EMPTY) return {x, y};
    }
}

std::array<int, 2> TPreview::ChooseLandingCell() {
    if (Play.TutorialGame) {
        // Scripted cells that are taken are skipped; once every one has been tried the piece
        // lands where chance puts it.
        const int pairs = static_cast<int>(TutCoors.size()) / 2;
        for (int tried = 0; tried < pairs; ++tried) {
            const int x = TutCoors[TutCoorsCount];
            const int y = TutCoors[TutCoorsCount + 1];
            TutCoorsCount = (TutCoorsCount + 2) % static_cast<int>(TutCoors.size());
            if (Play.BoardState.Board[x][y] == EMPTY) return {x, y};
        }
    }
    return RandomEmptyCell();
}

void TPreview::Deal() {
    if (InFlight()) return;
    TBoardState& board = Play.BoardState;
    count = std::clamp(CountEmptySquares(), 0, 3);
    board.PiecesOnBoard += count;
    board.DealFillsBoard = board.PiecesOnBoard > BoardSize * BoardSize - 1;
    for (int slot = count - 1; slot >= 0; --slot) {
        const auto cell = ChooseLandingCell();
        board.Board[cell[0]][cell[1]] = RESERVED;
        board.DealCells[slot] = cell;
    }
    NextScale = DealStartScale;
    NextDeal();
    board.DealAnimating = true;
    Play.Hooks.DealStarted(count);
}

void TPreview::logic(float delta) {
    if (!InFlight()) return;
    NextScale += DealGrowth * delta;
    if (NextScale < 1) return;

    TBoardState& board = Play.BoardState;
    NextScale = 1;
    board.DealtToCheck = count;
    board.DealAnimating = false;
    for (int i = 0; i < count; ++i) {
        board.Board[board.DealCells[i][0]][board.DealCells[i][1]] = Last3[i];
    }
    for (auto& column : board.Board) std::replace(column.begin(), column.end(), RESERVED, EMPTY);
    // With nothing landed there is nothing to look at, so the board can be judged at once.
    if (count == 0) board.DealFillsBoard = false;
}
