// The Classic rules without a window: moves, lines and their points, deals, undo with its random
// stream, the hint on built positions, and the saved record read back or refused.

#include <gtest/gtest.h>

#include "BoardPicture.h"
#include "game/TClassicGame.h"
#include "game/TClassicHint.h"
#include "game/TClassicLines.h"
#include "game/TClassicRecord.h"

namespace {

TCells Board(const std::vector<std::string>& rows) {
    TBoardState state;
    SetBoard(state, rows);
    return state.Board;
}

int Pieces(const TCells& board) {
    int n = 0;
    for (const auto& column : board) {
        for (int v : column) n += v != EMPTY ? 1 : 0;
    }
    return n;
}

// Four 2s in the top row and a fifth 2 below the gap's right.
const std::vector<std::string> LineOneMoveAway = {
    "2222.....", "....2....", ".........", ".........", ".........",
    ".........", ".........", "......3..", "........4",
};

TEST(ClassicTest, AGameStartsWithFivePiecesOfSevenFlavoursAndThreeShown) {
    TClassicGame game;
    game.NewGame(7);
    EXPECT_EQ(Pieces(game.Now.Board), TClassicGame::StartPieces);
    for (const auto& column : game.Now.Board) {
        for (int v : column) EXPECT_TRUE(v == EMPTY || (v >= 2 && v <= 8)) << v;
    }
    for (int v : game.Now.Next3) EXPECT_TRUE(v >= 2 && v <= 8) << v;
    EXPECT_FALSE(game.CanUndo());
    TClassicGame again;
    again.NewGame(7);
    EXPECT_EQ(again.Now, game.Now) << "a seed deals the same game";
}

TEST(ClassicTest, LinesScoreByLengthAndCountAndAMoveWithoutOneDeals) {
    EXPECT_EQ(TClassicLines::Points({5}), 10);
    EXPECT_EQ(TClassicLines::Points({6}), 15);
    EXPECT_EQ(TClassicLines::Points({9}), 30);
    EXPECT_EQ(TClassicLines::Points({5, 5}), 40);
    EXPECT_EQ(TClassicLines::Points({5, 6, 5}), 105);

    TClassicGame game;
    game.NewGame(3);
    game.Now.Board = Board(LineOneMoveAway);
    const TClassicPosition before = game.Now;
    TClassicTurn turn = game.Move(4, 1, 4, 0);
    ASSERT_TRUE(turn.Moved);
    ASSERT_EQ(turn.MoveLines.size(), 1u);
    EXPECT_EQ(turn.MoveLines[0].Cells.size(), 5u);
    EXPECT_EQ(turn.Dealt, 0) << "a line is not followed by a deal";
    EXPECT_EQ(game.Now.Score, 10);
    EXPECT_EQ(Pieces(game.Now.Board), 2);
    EXPECT_EQ(game.Now.Next3, before.Next3);

    // Undone, the same move brings the same result; a dry move deals three from the same stream.
    ASSERT_TRUE(game.Undo());
    EXPECT_EQ(game.Now, before);
    TClassicTurn dry = game.Move(6, 7, 6, 8);
    ASSERT_TRUE(dry.Moved);
    EXPECT_EQ(dry.Dealt, 3);
    EXPECT_EQ(Pieces(game.Now.Board), 10);
    const TClassicPosition dealt = game.Now;
    ASSERT_TRUE(game.Undo());
    game.Move(6, 7, 6, 8);
    EXPECT_EQ(game.Now, dealt);
    EXPECT_EQ(game.Now.Moves, 1);

    // Illegal moves change nothing: onto a piece, from an empty cell, to a walled-in cell.
    game.Now.Board = Board({"2.3......", "33.......", ".........", ".........", ".........",
                            ".........", ".........", ".........", "........4"});
    const TClassicPosition walled = game.Now;
    EXPECT_FALSE(game.Move(0, 0, 2, 0).Moved);
    EXPECT_FALSE(game.Move(5, 5, 6, 6).Moved);
    EXPECT_FALSE(game.Move(8, 8, 1, 0).Moved);
    EXPECT_EQ(game.Now, walled);
}

TEST(ClassicTest, TheGameEndsWhenADealFillsTheBoardAndUndoStopsThere) {
    TClassicGame game;
    game.NewGame(11);
    std::vector<std::string> rows;
    // No five alike anywhere: flavours by (x + 2y) mod 7, so no row, column or diagonal repeats.
    for (int y = 0; y < 9; ++y) {
        std::string row;
        for (int x = 0; x < 9; ++x) row += static_cast<char>('2' + (x + 2 * y) % 7);
        rows.push_back(row);
    }
    rows[8].replace(7, 2, "..");
    rows[7][8] = '.';
    game.Now.Board = Board(rows);
    game.Now.Next3 = {2, 2, 2};
    const TClassicTurn turn = game.Move(8, 6, 8, 7);
    ASSERT_TRUE(turn.Moved);
    EXPECT_EQ(turn.Dealt, 3);
    EXPECT_TRUE(game.Over());
    EXPECT_FALSE(game.CanUndo());
    EXPECT_FALSE(game.Undo());
}

TEST(ClassicTest, TheHintCompletesALineWhenOneExistsElseBuildsTheLongestRunAndNeverCheats) {
    const TClassicHint line = TClassicHint::Search(Board(LineOneMoveAway));
    EXPECT_EQ(line.FromX, 4);
    EXPECT_EQ(line.FromY, 1);
    EXPECT_EQ(line.ToX, 4);
    EXPECT_EQ(line.ToY, 0);
    EXPECT_EQ(line.Points, 10);

    // The only 2 that would finish the row is walled in by 3s; the hint builds a run instead.
    const TClassicHint blocked =
        TClassicHint::Search(Board({"2222.....", ".....333.", ".....323.", ".....333.", ".........",
                                    ".........", ".........", ".........", "........."}));
    EXPECT_EQ(blocked.Points, 0);
    ASSERT_TRUE(blocked.Found());
    EXPECT_FALSE(blocked.FromX == 6 && blocked.FromY == 2);
    EXPECT_GE(blocked.Run, 4);
    TClassicGame game;
    game.Now.Board = Board({"2222.....", ".....333.", ".....323.", ".....333.", ".........",
                            ".........", ".........", ".........", "........."});
    EXPECT_TRUE(game.CanMove(blocked.FromX, blocked.FromY, blocked.ToX, blocked.ToY));

    // No line anywhere: the longest run, and the move is legal.
    game.NewGame(5);
    const TClassicHint run = TClassicHint::Search(game.Now.Board);
    ASSERT_TRUE(run.Found());
    EXPECT_EQ(run.Points, 0);
    EXPECT_TRUE(game.CanMove(run.FromX, run.FromY, run.ToX, run.ToY));

    // Nothing can move on a full board.
    TCells full{};
    for (auto& column : full) column.fill(2);
    EXPECT_FALSE(TClassicHint::Search(full).Found());
}

TEST(ClassicTest, ARecordReadsBackWhole) {
    TClassicRecord record;
    record.Game.NewGame(99, "2026-03-04");
    for (int i = 0; i < 6 && !record.Game.Over(); ++i) {
        const TClassicHint hint = TClassicHint::Search(record.Game.Now.Board);
        record.Game.Move(hint.FromX, hint.FromY, hint.ToX, hint.ToY);
    }
    record.BestDate = "2026-03-03";
    record.BestScore = 40;
    TClassicRecord read;
    ASSERT_TRUE(read.ReadBytes(record.Bytes())) << record.Bytes();
    EXPECT_EQ(read.Game.Now, record.Game.Now);
    EXPECT_EQ(read.Game.History, record.Game.History);
    EXPECT_EQ(read.Game.Daily, "2026-03-04");
    EXPECT_EQ(read.BestScore, 40);
    EXPECT_EQ(read.Bytes(), record.Bytes());
}

TEST(ClassicTest, ADamagedRecordIsRefusedAndLeavesTheOldOne) {
    TClassicRecord record;
    record.Game.NewGame(4);
    const TClassicHint hint = TClassicHint::Search(record.Game.Now.Board);
    record.Game.Move(hint.FromX, hint.FromY, hint.ToX, hint.ToY);
    const std::string good = record.Bytes();
    auto changed = [&](const std::string& from, const std::string& to) {
        std::string bytes = good;
        bytes.replace(bytes.find(from), from.size(), to);
        return bytes;
    };
    const std::string game = "game ";
    const std::vector<std::string> damaged = {
        "",
        good.substr(0, good.size() / 2),
        changed("quillox classic 1", "quillox classic 2"),
        changed(game, "game 9"),         // a cell out of range, board too long
        changed("\nundo ", "\nundo x"),  // a damaged history line
        changed("daily -", "daily yesterday"),
        changed("best - 0", "best - -5"),
        good.substr(0, good.find("undo")),  // a move without its history
        // an empty board, which no game ever shows
        changed(good.substr(good.find(game) + game.size(), 81), std::string(81, '0')),
        good + "undo " + good.substr(good.find(game) + game.size()),
    };
    for (const std::string& bytes : damaged) {
        TClassicRecord read = record;
        EXPECT_FALSE(read.ReadBytes(bytes)) << bytes;
        EXPECT_EQ(read.Bytes(), good);
    }
}

}  // namespace
