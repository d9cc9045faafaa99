#include "game/TBoardState.h"

void TBoardState::Clear() {
    for (auto& column : Board) column.fill(EMPTY);
    PiecesOnBoard = 0;
}

int TBoardState::CountEmptySquares() const {
    int n = 0;
    for (const auto& column : Board) {
        for (int v : column) n += v == EMPTY ? 1 : 0;
    }
    return n;
}

int TBoardState::CountOccupiedCells() const {
    int n = 0;
    for (const auto& column : Board) {
        for (int v : column) n += v >= BLACKJACK ? 1 : 0;
    }
    return n;
}
