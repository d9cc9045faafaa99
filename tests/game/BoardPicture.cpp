#include "BoardPicture.h"

#include <stdexcept>

namespace {

int CellFromChar(char c) {
    switch (c) {
        case '.':
            return EMPTY;
        case '#':
            return BLACKJACK;
        case 'T':
            return 10;
        case 'R':
            return RAINBOW;
        case '*':
            return RESERVED;
        default:
            if (c >= '2' && c <= '9') return c - '0';
            throw std::invalid_argument(std::string("bad board character ") + c);
    }
}

char CharFromCell(int value) {
    constexpr char chars[] = ".#23456789TR*";
    return value >= 0 && value <= RESERVED ? chars[value] : '?';
}

}  // namespace

void SetBoard(TBoardState& state, const std::vector<std::string>& rows) {
    if (rows.size() != BoardSize) throw std::invalid_argument("a board has nine rows");
    for (int y = 0; y < BoardSize; ++y) {
        if (rows[y].size() != BoardSize) throw std::invalid_argument("a row has nine cells");
        for (int x = 0; x < BoardSize; ++x) state.Board[x][y] = CellFromChar(rows[y][x]);
    }
    state.PiecesOnBoard = state.CountOccupiedCells();
}

std::vector<std::string> BoardRows(const TBoardState& state) {
    std::vector<std::string> rows(BoardSize, std::string(BoardSize, ' '));
    for (int y = 0; y < BoardSize; ++y) {
        for (int x = 0; x < BoardSize; ++x) rows[y][x] = CharFromCell(state.Board[x][y]);
    }
    return rows;
}
