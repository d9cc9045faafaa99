#include "game/TLines.h"

#include <algorithm>

#include "game/LevelTables.h"

namespace {

constexpr int MaxStreak = 6;
constexpr int MaxPopupImage = 20;
constexpr int StreakPoints = 10;
// First arm of each direction: row, column, rising diagonal, falling diagonal.
constexpr int Directions[4][2] = {{-1, 0}, {0, -1}, {1, -1}, {-1, -1}};

bool Matches(int value, int flavour) {
    return value == flavour || value == RAINBOW;
}

}  // namespace

int TLines::CheckRun(int flavour, int stepX, int stepY) {
    std::array<std::array<int, 2>, BoardSize> run{};
    run[0] = {mx, my};
    int n = 1;
    for (int arm = 1; arm >= -1; arm -= 2) {
        int x = mx + arm * stepX;
        int y = my + arm * stepY;
        while (OnBoard(x, y) && n < BoardSize && Matches(Play.BoardState.Board[x][y], flavour)) {
            run[n++] = {x, y};
            x += arm * stepX;
            y += arm * stepY;
        }
    }
    if (n < LineLen) return 0;
    std::copy_n(run.begin(), n, RemoveList.begin() + total);
    total += n;
    return n;
}

int TLines::CheckAllDirections(int flavour) {
    int found = 0;
    for (const auto& d : Directions) found += CheckRun(flavour, d[0], d[1]);
    return found;
}

void TLines::CheckForLine(int x, int y) {
    if (!OnBoard(x, y)) return;
    const int chip = Play.BoardState.Board[x][y];
    // Empty, blackjack and reserved cells have no lines.
    if (!IsMovablePiece(chip)) return;
    mx = x;
    my = y;
    total = 0;
    LineFound = false;

    int flavour = chip;
    if (CheckAllDirections(chip) == 0 && chip == RAINBOW) {
        // A rainbow completes lines of one flavour only: the lowest that works.
        for (flavour = FirstFlavour; flavour <= LastFlavour; ++flavour) {
            if (CheckAllDirections(flavour) != 0) break;
        }
    }
    CheckForDuplicates();
    RemoveLines(flavour);
}

void TLines::CheckForNextDealFive(int slot) {
    if (slot < 0 || slot > 2) return;
    const auto& cell = Play.BoardState.DealCells[slot];
    CheckForLine(cell[0], cell[1]);
}

void TLines::ShuffleCheck() {
    for (int x = 0; x < BoardSize; ++x) {
        for (int y = 0; y < BoardSize; ++y) CheckForLine(x, y);
    }
}

void TLines::CheckForDuplicates() {
    // Crossing lines share the origin (and a rainbow line may share more); each cell goes once.
    std::array<std::array<bool, BoardSize>, BoardSize> seen{};
    int kept = 0;
    for (int i = 0; i < total; ++i) {
        const auto cell = RemoveList[i];
        if (seen[cell[0]][cell[1]]) continue;
        seen[cell[0]][cell[1]] = true;
        RemoveList[kept++] = cell;
    }
    total = kept;
}

void TLines::RemoveLines(int flavour) {
    if (total < LineLen) {
        total = 0;
        return;
    }
    LineStreak = std::min(LineStreak + 1, MaxStreak);

    TLineRemoval removal;
    removal.OriginX = mx;
    removal.OriginY = my;
    removal.Flavour = flavour;
    removal.Cells.assign(RemoveList.begin(), RemoveList.begin() + total);
    for (const auto& cell : removal.Cells) Play.BoardState.Board[cell[0]][cell[1]] = EMPTY;

    removal.Fill = static_cast<float>(total * FillPerZindle[Play.Level]);
    Play.Machine.PendingFill += removal.Fill;
    Play.BoardState.PiecesOnBoard -= total;

    ioff = std::min(total, MaxPopupImage);
    removal.PopupImage = ioff;
    removal.Streak = LineStreak;
    removal.StreakBonus = (LineStreak - 1) * StreakPoints;
    Play.Machine.AddToLevelScore(removal.StreakBonus);

    total = 0;
    LineFound = true;
    Play.Hooks.LineRemoved(removal);
}
