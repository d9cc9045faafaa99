#include "game/TClassicGame.h"

#include "game/TClassicLines.h"

namespace {

std::vector<std::array<int, 2>> EmptyCells(const TCells& board) {
    std::vector<std::array<int, 2>> cells;
    for (int x = 0; x < BoardSize; ++x) {
        for (int y = 0; y < BoardSize; ++y) {
            if (board[x][y] == EMPTY) cells.push_back({x, y});
        }
    }
    return cells;
}

}  // namespace

TClassicGame& TClassicGame::operator=(const TClassicGame& other) {
    Now = other.Now;
    History = other.History;
    Daily = other.Daily;
    Pathfinder.SetMap(&Now.Board);
    return *this;
}

std::uint64_t TClassicGame::DailySeed(const std::string& date) {
    // FNV-1a: the same on every machine, whatever its standard library.
    std::uint64_t hash = 0xCBF29CE484222325ULL;
    for (const char c : date) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001B3ULL;
    }
    return hash;
}

void TClassicGame::NewGame(std::uint64_t seed, const std::string& daily) {
    Now = TClassicPosition{};
    History.clear();
    Daily = daily;
    TClassicRandom random(seed);
    for (int placed = 0; placed < StartPieces; ++placed) {
        const auto empty = EmptyCells(Now.Board);
        const auto cell = empty[random.RandomInt(0, static_cast<int>(empty.size()) - 1)];
        Now.Board[cell[0]][cell[1]] = random.RandomInt(FirstFlavour, LastClassicFlavour);
    }
    DrawNext(random);
    Now.Random = random.State;
}

void TClassicGame::DrawNext(TClassicRandom& random) {
    for (int& piece : Now.Next3) piece = random.RandomInt(FirstFlavour, LastClassicFlavour);
}

bool TClassicGame::Over() const {
    return EmptyCells(Now.Board).empty();
}

bool TClassicGame::CanMove(int fromX, int fromY, int toX, int toY) {
    if (!OnBoard(fromX, fromY) || !OnBoard(toX, toY) || Over()) return false;
    if (Now.Board[fromX][fromY] == EMPTY || Now.Board[toX][toY] != EMPTY) return false;
    return Pathfinder.FindPath(fromX, fromY, toX, toY) && Pathfinder.PathLength > 0;
}

bool TClassicGame::RemoveLines(int x, int y, std::vector<TLineRemoval>& into, int& points) {
    const TClassicLines::TFound found = TClassicLines::Find(Now.Board, x, y);
    if (!found.Any()) return false;
    TLineRemoval removal;
    removal.OriginX = x;
    removal.OriginY = y;
    removal.Flavour = Now.Board[x][y];
    removal.Cells = found.Cells;
    removal.PopupImage = static_cast<int>(found.Cells.size());
    removal.Streak = static_cast<int>(found.Lengths.size());
    removal.StreakBonus = TClassicLines::Points(found.Lengths);
    for (const auto& cell : found.Cells) Now.Board[cell[0]][cell[1]] = EMPTY;
    Now.Score += removal.StreakBonus;
    points += removal.StreakBonus;
    into.push_back(std::move(removal));
    return true;
}

void TClassicGame::Deal(TClassicTurn& turn, TClassicRandom& random) {
    turn.BeforeDeal = Now.Board;
    auto empty = EmptyCells(Now.Board);
    turn.Dealt = std::min(static_cast<int>(empty.size()), 3);
    for (int slot = 0; slot < turn.Dealt; ++slot) {
        const int at = random.RandomInt(0, static_cast<int>(empty.size()) - 1);
        const auto cell = empty[at];
        empty.erase(empty.begin() + at);
        Now.Board[cell[0]][cell[1]] = Now.Next3[slot];
        turn.DealCells[slot] = cell;
        turn.DealtPieces[slot] = Now.Next3[slot];
    }
    DrawNext(random);
    for (int slot = 0; slot < turn.Dealt; ++slot) {
        const auto cell = turn.DealCells[slot];
        // An earlier piece's line may have taken this one already.
        if (Now.Board[cell[0]][cell[1]] == turn.DealtPieces[slot]) {
            RemoveLines(cell[0], cell[1], turn.DealLines, turn.Points);
        }
    }
}

TClassicTurn TClassicGame::Move(int fromX, int fromY, int toX, int toY) {
    TClassicTurn turn;
    if (!CanMove(fromX, fromY, toX, toY)) return turn;
    History.push_back(Now);
    turn.Moved = true;
    ++Now.Moves;
    Now.Board[toX][toY] = Now.Board[fromX][fromY];
    Now.Board[fromX][fromY] = EMPTY;
    TClassicRandom random(Now.Random);
    const bool lines = RemoveLines(toX, toY, turn.MoveLines, turn.Points);
    // A board the move's lines emptied is dealt to at once: there would be nothing to move.
    if (!lines || EmptyCells(Now.Board).size() == BoardSize * BoardSize) {
        Deal(turn, random);
    } else {
        turn.BeforeDeal = Now.Board;
    }
    Now.Random = random.State;
    return turn;
}

bool TClassicGame::Undo() {
    if (!CanUndo()) return false;
    Now = History.back();
    History.pop_back();
    return true;
}
