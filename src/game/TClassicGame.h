#pragma once
// The rules of the Classic game: a 9 by 9 board of seven flavours, five pieces to start and
// three shown as the next deal. A move takes a piece along a free path; lines of five or more
// vanish and score, and a move that removes nothing deals the three shown pieces to random empty
// cells, whose lines vanish and score too. The game ends when the board is full. Every move can
// be taken back to the start of the game, the random stream with it.

#include <cstdint>
#include <string>
#include <vector>

#include "game/TClassicPosition.h"
#include "game/TClassicRandom.h"
#include "game/TClassicTurn.h"
#include "game/TPathfinder.h"

class TClassicGame {
public:
    static constexpr int Flavours = 7;
    static constexpr int LastClassicFlavour = FirstFlavour + Flavours - 1;
    static constexpr int StartPieces = 5;

    TClassicGame() { Pathfinder.SetMap(&Now.Board); }
    TClassicGame(const TClassicGame& other)
        : Now(other.Now), History(other.History), Daily(other.Daily) {
        Pathfinder.SetMap(&Now.Board);
    }
    TClassicGame& operator=(const TClassicGame& other);

    TClassicPosition Now;
    // The positions before each move, oldest first.
    std::vector<TClassicPosition> History;
    // The date ("YYYY-MM-DD") whose board this is; empty for a game of chance.
    std::string Daily;

    // A fresh game whose deals follow `seed`.
    void NewGame(std::uint64_t seed, const std::string& daily = {});
    // The same seed for everyone on that day.
    [[nodiscard]] static std::uint64_t DailySeed(const std::string& date);

    [[nodiscard]] bool Over() const;
    [[nodiscard]] bool CanUndo() const { return !History.empty() && !Over(); }
    // A piece on (fromX, fromY) that can travel to the empty (toX, toY).
    [[nodiscard]] bool CanMove(int fromX, int fromY, int toX, int toY);
    // Plays the move; nothing (Moved false) when it cannot be made.
    TClassicTurn Move(int fromX, int fromY, int toX, int toY);
    // Back to the position before the last move; false at the start or after the end.
    bool Undo();

private:
    // Deals the shown pieces; their lines go into `turn`.
    void Deal(TClassicTurn& turn, TClassicRandom& random);
    void DrawNext(TClassicRandom& random);
    // Removes the lines through (x, y) and scores them; false when there are none.
    bool RemoveLines(int x, int y, std::vector<TLineRemoval>& into, int& points);

    TPathfinder Pathfinder;
};
