// Lines through the piece that has just arrived: which cells go, what they are worth, and
// what the streak adds to the clock.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "BoardPicture.h"
#include "TScriptedRandom.h"
#include "game/TLines.h"

namespace {

class LinesTest : public ::testing::Test {
protected:
    LinesTest() : Play(Random, 1, false, [](float ms) { return ms / 5; }), Lines(Play) {
        Play.Hooks.LineRemoved = [this](const TLineRemoval& r) { Removals.push_back(r); };
    }
    void Picture(const std::vector<std::string>& rows) { SetBoard(Play.BoardState, rows); }
    int Cell(int x, int y) const { return Play.BoardState.Board[x][y]; }

    TScriptedRandom Random;
    TPlayState Play;
    TLines Lines;
    std::vector<TLineRemoval> Removals;
};

TEST_F(LinesTest, FourNeverGoTheFifthCompletesALine) {
    Picture({"2222.....", ".........", ".........", ".........", ".........", ".........",
             ".........", ".........", "........."});
    Lines.CheckForLine(0, 0);
    EXPECT_FALSE(Lines.LineFound);
    EXPECT_TRUE(Removals.empty());

    Play.BoardState.Board[4][0] = 2;
    Play.BoardState.PiecesOnBoard = 5;
    Lines.CheckForLine(4, 0);
    ASSERT_EQ(Removals.size(), 1u);
    EXPECT_TRUE(Lines.LineFound);
    EXPECT_EQ(Removals[0].Cells.size(), 5u);
    EXPECT_EQ(Removals[0].PopupImage, 5);
    EXPECT_FLOAT_EQ(Play.Machine.PendingFill, 5 * 7);
    EXPECT_EQ(Play.BoardState.PiecesOnBoard, 0);
    EXPECT_EQ(Play.BoardState.CountOccupiedCells(), 0);
}

TEST_F(LinesTest, CrossingLinesRemoveTheSharedCellOnce) {
    Picture({"....3....", "....3....", "....3....", "....3....", "3333.3333", "....3....",
             "....3....", "....3....", "....3...."});
    Play.BoardState.Board[4][4] = 3;
    Play.BoardState.PiecesOnBoard = 17;
    Lines.CheckForLine(4, 4);
    ASSERT_EQ(Removals.size(), 1u);
    EXPECT_EQ(Removals[0].Cells.size(), 17u);
    EXPECT_EQ(Removals[0].Cells.front(), (std::array<int, 2>{4, 4}));
    EXPECT_EQ(Removals[0].PopupImage, 17);
    EXPECT_FLOAT_EQ(Play.Machine.PendingFill, 17 * 7);
    EXPECT_EQ(Play.BoardState.PiecesOnBoard, 0);
}

TEST_F(LinesTest, AStarOfFourFullLinesShowsTheLargestPopup) {
    Picture({"2...2...2", ".2..2..2.", "..2.2.2..", "...222...", "2222.2222", "...222...",
             "..2.2.2..", ".2..2..2.", "2...2...2"});
    Play.BoardState.Board[4][4] = 2;
    Play.BoardState.PiecesOnBoard = 33;
    Lines.CheckForLine(4, 4);
    ASSERT_EQ(Removals.size(), 1u);
    EXPECT_EQ(Removals[0].Cells.size(), 33u);
    EXPECT_EQ(Removals[0].PopupImage, 20);
    EXPECT_EQ(Play.BoardState.CountOccupiedCells(), 0);
}

TEST_F(LinesTest, DiagonalsBothWaysAreLines) {
    Picture({"....4....", "...4.....", "..4......", ".4.......", ".........", ".........",
             ".........", ".........", "........."});
    Play.BoardState.Board[0][4] = 4;
    Lines.CheckForLine(0, 4);
    EXPECT_TRUE(Lines.LineFound) << "rising to the right";

    Picture({"5........", ".5.......", "..5......", "...5.....", "....5....", ".........",
             ".........", ".........", "........."});
    Lines.CheckForLine(2, 2);
    EXPECT_TRUE(Lines.LineFound) << "falling to the right, found from the middle";
}

TEST_F(LinesTest, ARainbowCompletesOnlyTheLowestFlavour) {
    Picture({"..5......", "..5......", "22.22....", "..5......", "..5......", ".........",
             ".........", ".........", "........."});
    Play.BoardState.Board[2][2] = RAINBOW;
    Play.BoardState.PiecesOnBoard = 9;
    Lines.CheckForLine(2, 2);
    ASSERT_EQ(Removals.size(), 1u);
    EXPECT_EQ(Removals[0].Flavour, 2);
    EXPECT_EQ(Removals[0].Cells.size(), 5u);
    EXPECT_EQ(Cell(2, 0), 5);
    EXPECT_EQ(Cell(2, 4), 5);
    EXPECT_EQ(Cell(0, 2), EMPTY);
    EXPECT_EQ(Play.BoardState.PiecesOnBoard, 4);
}

TEST_F(LinesTest, AFlavourRunsThroughRainbowsButNotThroughAnotherFlavour) {
    Picture({".33R44...", ".........", ".........", ".........", ".........", ".........",
             ".........", ".........", "........."});
    Play.BoardState.Board[0][0] = 3;
    Lines.CheckForLine(0, 0);
    EXPECT_FALSE(Lines.LineFound) << "3, 3, 3, rainbow is four";
    Play.BoardState.Board[6][0] = 4;
    Lines.CheckForLine(6, 0);
    EXPECT_FALSE(Lines.LineFound) << "rainbow, 4, 4, 4 is four";

    Picture({"RRRR.....", ".........", ".........", ".........", ".........", ".........",
             ".........", ".........", "........."});
    Play.BoardState.Board[4][0] = RAINBOW;
    Lines.CheckForLine(4, 0);
    ASSERT_EQ(Removals.size(), 1u);
    EXPECT_EQ(Removals[0].Flavour, RAINBOW) << "rainbows alone make a line";
}

TEST_F(LinesTest, ABlackjackEndsARunAndHasNoLines) {
    Picture({"22#22....", "#........", "#........", "#........", "#........", ".........",
             ".........", ".........", "........."});
    Play.BoardState.Board[5][0] = 2;
    Lines.CheckForLine(5, 0);
    EXPECT_FALSE(Lines.LineFound);
    Lines.LineFound = true;
    Lines.CheckForLine(0, 1);
    EXPECT_TRUE(Lines.LineFound) << "a blackjack is not checked, so the flag stays as it was";
    EXPECT_TRUE(Removals.empty());
}

TEST_F(LinesTest, TheStreakPaysTheClockUpToItsCap) {
    Play.Machine.LevelScore = 900;
    const std::vector<std::string> row = {"6666.....", ".........", ".........",
                                          ".........", ".........", ".........",
                                          ".........", ".........", "........."};
    std::vector<int> scores;
    for (int i = 0; i < 8; ++i) {
        Picture(row);
        Play.BoardState.Board[4][0] = 6;
        Lines.CheckForLine(4, 0);
        scores.push_back(Play.Machine.LevelScore);
    }
    // Streaks 1..6 earn 0, 10, 20, 30, 40, 50; the clock never passes 1000.
    EXPECT_EQ(scores, (std::vector<int>{900, 910, 930, 960, 1000, 1000, 1000, 1000}));
    EXPECT_EQ(Lines.LineStreak, 6);
    EXPECT_EQ(Removals.back().StreakBonus, 50);
}

TEST_F(LinesTest, AWholeBoardCheckFindsEveryLineAndEachAddsToTheStreak) {
    Picture({"77777....", ".........", ".........", ".........", "....88888", ".........",
             ".........", ".........", "#####...."});
    Lines.ShuffleCheck();
    EXPECT_EQ(Removals.size(), 2u);
    EXPECT_EQ(Lines.LineStreak, 2);
    EXPECT_EQ(Play.BoardState.PiecesOnBoard, 5) << "the blackjacks stay";
}

}  // namespace
