#pragma once
// Cell codes and board geometry shared by every rule of the board.

#include <algorithm>
#include <array>

constexpr int BoardSize = 9;

// Cell values. Flavours run from FirstFlavour to LastFlavour; a level uses 2 up to its limit.
constexpr int EMPTY = 0;
constexpr int BLACKJACK = 1;
constexpr int FirstFlavour = 2;
constexpr int LastFlavour = 10;
constexpr int RAINBOW = 11;
// An empty cell that a piece of the deal in flight is going to land on.
constexpr int RESERVED = 12;

// Board[x][y]: x the column from the left, y the row from the top.
using TCells = std::array<std::array<int, BoardSize>, BoardSize>;

// A piece the player may pick up: a flavour or a rainbow (not a blackjack, not a reserved cell).
constexpr bool IsMovablePiece(int value) {
    return value >= FirstFlavour && value <= RAINBOW;
}
constexpr bool OnBoard(int x, int y) {
    return x >= 0 && x < BoardSize && y >= 0 && y < BoardSize;
}

// Screen geometry of the board on the 800 by 600 logical screen.
constexpr int BoardLeft = 234;
constexpr int BoardTop = 30;
constexpr int CellSize = 60;
constexpr int BoardRight = BoardLeft + BoardSize * CellSize;
constexpr int BoardBottom = BoardTop + BoardSize * CellSize;

constexpr int CellCentreX(int x) {
    return BoardLeft + CellSize / 2 + CellSize * x;
}
constexpr int CellCentreY(int y) {
    return BoardTop + CellSize / 2 + CellSize * y;
}

// Both edges count as inside, so the last pixel column and row map to cell 8 by the clamp.
constexpr bool PointInBoard(int mouseX, int mouseY) {
    return mouseX >= BoardLeft && mouseX <= BoardRight && mouseY >= BoardTop &&
           mouseY <= BoardBottom;
}

constexpr int CursorCellX(int mouseX) {
    return std::clamp((mouseX - BoardLeft) / CellSize, 0, BoardSize - 1);
}
constexpr int CursorCellY(int mouseY) {
    return std::clamp((mouseY - BoardTop) / CellSize, 0, BoardSize - 1);
}
