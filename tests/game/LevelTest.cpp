// A level pass by pass: picking up and moving pieces, the deal after a dry move, the machine
// and the clock, and the judgements that end a level.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "BoardPicture.h"
#include "LevelDriver.h"
#include "TScriptedRandom.h"

namespace {

// 78 pieces with no two alike side by side in any direction, and column 0 open at the top
// above four 7s.
std::vector<std::string> NearlyFullBoard() {
    std::vector<std::string> rows(9, std::string(9, '.'));
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x) rows[y][x] = static_cast<char>('2' + (x + 2 * y) % 5);
    }
    for (int y = 0; y < 3; ++y) rows[y][0] = '.';
    for (int y = 3; y < 7; ++y) rows[y][0] = '7';
    return rows;
}

class LevelTest : public ::testing::Test {
protected:
    void Make(int level, const std::vector<std::string>& rows) {
        Driver = std::make_unique<LevelDriver>(Random, level);
        SetBoard(Driver->B(), rows);
        auto& hooks = Driver->P().Hooks;
        hooks.DealStarted = [this](int count) { Deals.push_back(count); };
        hooks.MoverLeftCell = [this](int x, int y) { Trail.push_back({x, y}); };
        hooks.LevelLost = [this] { ++Lost; };
        hooks.GameOverScreen = [this] { ++GameOver; };
        hooks.LevelWon = [this] { ++Won; };
        hooks.MachineEmptyingStep = [this] { ++FailSteps; };
    }
    TSelection& Sel() { return Driver->P().Selection; }

    TScriptedRandom Random;
    std::unique_ptr<LevelDriver> Driver;
    std::vector<int> Deals;
    std::vector<std::array<int, 2>> Trail;
    int Lost = 0, GameOver = 0, Won = 0, FailSteps = 0;
};

TEST_F(LevelTest, ClicksSelectDeselectAndRefuseWhatCannotMove) {
    Make(2, {"2#.......", "##.......", ".........", "....3....", ".........", "....*....",
             ".........", ".........", "........4"});
    Driver->ClickCell(0, 0);
    EXPECT_EQ(Sel().SelectedValue, 2);
    int dots = 0;
    for (const auto& column : Sel().Dots)
        dots += static_cast<int>(std::count(column.begin(), column.end(), true));
    EXPECT_EQ(dots, 0) << "a walled-in piece reaches nothing";
    Driver->ClickCell(5, 5);
    EXPECT_EQ(Sel().SelectedValue, 0) << "an unreachable cell only drops the selection";
    EXPECT_FALSE(Sel().PieceMoving);

    Driver->ClickCell(4, 3);
    dots = 0;
    for (const auto& column : Sel().Dots)
        dots += static_cast<int>(std::count(column.begin(), column.end(), true));
    EXPECT_EQ(dots, 81 - 7);
    Driver->ClickCell(4, 3);
    EXPECT_EQ(Sel().SelectedValue, 0) << "a second click on the piece lets it go";

    Driver->ClickCell(4, 3);
    Driver->ClickCell(8, 8);
    EXPECT_EQ(Sel().SelectedValue, 4);
    Driver->ClickCell(1, 0);
    Driver->ClickCell(4, 5);
    EXPECT_EQ(Sel().SelectedX, 8) << "blackjacks and landing cells cannot be picked up";
    Driver->ClickAt(100, 300);
    EXPECT_EQ(Sel().SelectedValue, 4) << "clicks off the board change nothing";
}

TEST_F(LevelTest, APieceTravelsItsRouteAndADryMoveDeals) {
    Make(1, {"5#.......", ".........", ".........", ".........", ".........", ".........",
             ".........", ".........", "........3"});
    Driver->ClickCell(0, 0);
    Driver->ClickCell(2, 0);
    ASSERT_TRUE(Sel().PieceMoving);
    EXPECT_EQ(Driver->B().Board[0][0], EMPTY) << "the piece is on the mover";
    EXPECT_EQ(Driver->B().PiecesOnBoard, 3);
    Driver->Passes(9);
    EXPECT_FLOAT_EQ(Driver->L().Mover.Y, CellCentreY(0) + 30) << "3 pixels a pass";

    int passes = 10;
    while (Sel().PieceMoving && passes < 200) {
        Driver->Pass();
        ++passes;
    }
    EXPECT_EQ(passes, 4 * 20) << "four legs of 20 passes";
    EXPECT_EQ(Trail, (std::vector<std::array<int, 2>>{{0, 0}, {0, 1}, {1, 1}, {2, 1}}));
    EXPECT_EQ(Driver->B().Board[2][0], 5);
    EXPECT_EQ(Deals, std::vector<int>{3});
    EXPECT_EQ(Driver->B().PiecesOnBoard, 6);
    EXPECT_EQ(Driver->B().CountOccupiedCells(), 6);
    EXPECT_EQ(Driver->L().Lines.LineStreak, 0);
}

TEST_F(LevelTest, AMoveThatMakesALineDealsNothingAndFillsTheMachine) {
    Make(1, {"2222.....", "....2....", ".........", ".........", ".........", ".........",
             ".........", ".........", "........3"});
    Driver->ClickCell(4, 1);
    Driver->ClickCell(4, 0);
    ASSERT_TRUE(Driver->RunUntil([&] { return !Sel().PieceMoving; }, 100));
    EXPECT_TRUE(Deals.empty());
    EXPECT_EQ(Driver->L().Lines.LineStreak, 1);
    EXPECT_FLOAT_EQ(Driver->M().PendingFill + Driver->M().MachineFill, 35);
    EXPECT_EQ(Driver->B().PiecesOnBoard, 1);
}

TEST_F(LevelTest, APieceTakenByALineOfTheDealIsNoLongerSelected) {
    Make(1, {"2222.....", ".........", ".........", ".........", ".........", ".........",
             ".........", ".........", "........3"});
    Driver->ClickCell(0, 0);
    ASSERT_EQ(Sel().SelectedValue, 2);
    Driver->L().Preview.Next3 = {3, 4, 2};
    Random.Script({4, 0, 6, 6, 7, 7});
    Driver->L().Preview.Deal();
    ASSERT_TRUE(Driver->RunUntil(
        [&] { return Driver->B().DealtToCheck == 0 && !Driver->L().Preview.InFlight(); }, 100));
    Driver->Pass();
    EXPECT_EQ(Sel().SelectedValue, 0);
    Driver->ClickCell(5, 5);
    EXPECT_FALSE(Sel().PieceMoving) << "no phantom move of a piece that is gone";
    EXPECT_EQ(Driver->B().PiecesOnBoard, Driver->B().CountOccupiedCells());
}

TEST_F(LevelTest, AFullBoardIsJudgedOnlyAfterEveryDealtPieceHadItsChance) {
    // The dealt 7 lands on (0, 2) above the four 7s and makes a line: play goes on.
    Make(1, NearlyFullBoard());
    Driver->L().Preview.Next3 = {7, 8, 9};
    Random.Script({0, 0, 0, 1, 0, 2});
    Driver->L().Preview.Deal();
    EXPECT_TRUE(Driver->B().DealFillsBoard);
    Driver->Passes(80);
    EXPECT_EQ(Lost, 0);
    EXPECT_EQ(Driver->B().PiecesOnBoard, 76);
    EXPECT_FALSE(Driver->B().DealFillsBoard);

    // No line this time: the level is lost on the pass after the last dealt piece is checked.
    Make(15, NearlyFullBoard());
    Driver->L().Preview.Next3 = {8, 9, 10};
    Random.Script({0, 0, 0, 1, 0, 2});
    Driver->L().Preview.Deal();
    ASSERT_TRUE(Driver->RunUntil([&] { return !Driver->L().Preview.InFlight(); }, 100));
    for (int checked = 3; checked > 0; --checked) {
        EXPECT_EQ(Driver->B().DealtToCheck, checked);
        Driver->Pass();
        EXPECT_EQ(Lost, 0);
    }
    Driver->Pass();
    EXPECT_EQ(Lost, 1);
    EXPECT_TRUE(Driver->M().MachineEmptying);
}

TEST_F(LevelTest, FillAndDrainOfOnePassCancelBeforeTheMachineMoves) {
    TMachine m;
    m.PendingFill = 35;
    m.PendingDrain = 28;
    m.CancelPending();
    EXPECT_FLOAT_EQ(m.PendingFill, 7);
    EXPECT_FLOAT_EQ(m.PendingDrain, 0);
    m.PendingDrain = 7;
    m.CancelPending();
    EXPECT_FLOAT_EQ(m.PendingFill + m.PendingDrain, 0);

    // One pixel per 20 ms (4 steps), clamped at the top, never below the bottom.
    m.MachineFill = 140;
    m.PendingFill = 20;
    m.GlobeCounter = 4;
    for (int i = 0; i < 4 * 6; ++i) m.Step(1, 4);
    EXPECT_FLOAT_EQ(m.MachineFill, 146);
    EXPECT_FALSE(m.LevelWonPending);
    for (int i = 0; i < 4; ++i) m.Step(1, 4);
    EXPECT_FLOAT_EQ(m.MachineFill, 147);
    EXPECT_TRUE(m.LevelWonPending && m.FanfarePending);

    TMachine empty;
    empty.PendingDrain = 3;
    int drained = 0;
    for (int i = 0; i < 40; ++i) drained += empty.Step(1, 4) ? 1 : 0;
    EXPECT_EQ(drained, 3);
    EXPECT_FLOAT_EQ(empty.MachineFill, 0);
}

TEST_F(LevelTest, TheClockLosesAPointASecondAndALevelOfAThousandSecondsIsLost) {
    Make(4, {"2........", ".........", ".........", ".........", ".........", ".........",
             ".........", ".........", "........."});
    Driver->Passes(199);
    EXPECT_EQ(Driver->M().LevelScore, 1000);
    Driver->Pass();
    EXPECT_EQ(Driver->M().LevelScore, 999);
    Driver->Passes(200 * 999 - 1);
    EXPECT_EQ(Driver->M().LevelScore, 1);
    EXPECT_EQ(Lost, 0);
    Driver->Pass();
    EXPECT_EQ(Driver->M().LevelScore, 0);
    EXPECT_EQ(Lost, 1);
    EXPECT_FLOAT_EQ(Driver->M().TimeTaken, 200000);
}

TEST_F(LevelTest, TheMachineEmptiesInStepsAndHandsOverOnce) {
    Make(1, {"2........", ".........", ".........", ".........", ".........", ".........",
             ".........", ".........", "........."});
    Driver->M().MachineFill = 35;
    Driver->M().LevelScore = 0;
    Driver->Pass();
    ASSERT_EQ(Lost, 1);
    const double start = Driver->Now - 5;
    ASSERT_TRUE(Driver->RunUntil([&] { return GameOver > 0; }, 1000));
    // 35, 25, 15, 5 then 0 at 150 ms steps; the hand-over comes 500 ms after the last sound.
    EXPECT_EQ(FailSteps, 3);
    EXPECT_DOUBLE_EQ(Driver->Now - 5 - start, 450 + 500);
    Driver->Passes(400);
    EXPECT_EQ(Lost, 1);
    EXPECT_EQ(GameOver, 1);

    // A line's fill still on its way when the clock runs out would fill the machine before its
    // first emptying step and win the level whose loss is already booked.
    Lost = GameOver = 0;
    Make(1, {"2........", ".........", ".........", ".........", ".........", ".........",
             ".........", ".........", "........."});
    Driver->M().MachineFill = 140;
    Driver->M().PendingFill = 35;
    Driver->M().LevelScore = 0;
    Driver->Pass();
    ASSERT_EQ(Lost, 1);
    ASSERT_TRUE(Driver->RunUntil([&] { return GameOver > 0; }, 1000));
    EXPECT_EQ(Won, 0);
    EXPECT_FALSE(Driver->M().LevelWonPending);
    EXPECT_FLOAT_EQ(Driver->M().MachineFill, 0);
}

TEST_F(LevelTest, AFullMachineStopsPlayAndBooksTheLevelAfterTheEndDelay) {
    Make(1, {"2........", ".........", ".........", ".........", ".........", ".........",
             ".........", ".........", "........."});
    Driver->M().MachineFill = 146;
    Driver->M().PendingFill = 7;
    ASSERT_TRUE(Driver->RunUntil([&] { return Driver->M().Full(); }, 10));
    const float time = Driver->M().TimeTaken;
    const int score = Driver->M().LevelScore;
    const double full = Driver->Now;
    double wonAt = 0;
    Driver->P().Hooks.LevelWon = [&] {
        ++Won;
        wonAt = Driver->Now;
    };
    Driver->ClickCell(0, 0);
    EXPECT_EQ(Sel().SelectedValue, 0) << "no moves once the machine is full";
    ASSERT_TRUE(Driver->RunUntil([&] { return Won > 0; }, 1000));
    EXPECT_DOUBLE_EQ(wonAt - full, 700);
    Driver->Passes(1000);
    EXPECT_EQ(Won, 1);
    EXPECT_TRUE(Driver->L().LevelTime);
    EXPECT_FLOAT_EQ(Driver->M().TimeTaken, time);
    EXPECT_EQ(Driver->M().LevelScore, score);
    EXPECT_FLOAT_EQ(Driver->M().MachineFill, 147) << "fill beyond the top is dropped";

    // The last pixel of fill and the clock's last point on the same pass: the full machine
    // wins, and the level is booked once, not also lost.
    Won = 0;
    Make(1, {"2........", ".........", ".........", ".........", ".........", ".........",
             ".........", ".........", "........."});
    Driver->M().MachineFill = 146;
    Driver->M().PendingFill = 7;
    Driver->M().GlobeCounter = 1;
    Driver->M().LevelScore = 1;
    Driver->M().SecCounter = 1;
    Driver->Pass();
    ASSERT_TRUE(Driver->M().Full());
    ASSERT_EQ(Driver->M().LevelScore, 0);
    Driver->Passes(400);
    EXPECT_EQ(Lost, 0);
    EXPECT_EQ(Won, 1);
    EXPECT_FALSE(Driver->M().MachineEmptying);
    EXPECT_FLOAT_EQ(Driver->M().MachineFill, 147);
}

TEST_F(LevelTest, EveryLevelStartsCleanAndTheTutorialIsLevelOneOnly) {
    for (int level : {0, 1, 8, 15, 99}) {
        LevelDriver d(Random, level, true);
        EXPECT_EQ(d.P().TutorialGame, level <= 1);
        EXPECT_EQ(d.B().PiecesOnBoard, d.B().CountOccupiedCells());
        EXPECT_EQ(d.B().PiecesOnBoard, level <= 1 ? 10 : 6);
        EXPECT_EQ(d.M().LevelScore, 1000);
        EXPECT_FALSE(d.M().MachineEmptying || d.M().LevelWonPending || d.M().FanfarePending);
        EXPECT_EQ(d.M().PendingFill + d.M().PendingDrain + d.M().MachineFill, 0);
        EXPECT_EQ(d.P().Selection.SelectedValue, 0);
        EXPECT_FALSE(d.P().Selection.PieceMoving);
    }

    LevelDriver tutorial(Random, 1, true);
    tutorial.M().MachineFill = 60;
    tutorial.M().LevelScore = 700;
    tutorial.ClickCell(1, 2);
    EXPECT_EQ(tutorial.P().Selection.SelectedValue, 0) << "the script drives the tutorial";
    tutorial.L().EndTutorial();
    EXPECT_FLOAT_EQ(tutorial.M().MachineFill, 0);
    EXPECT_EQ(tutorial.M().LevelScore, 1000);
    tutorial.ClickCell(1, 2);
    EXPECT_EQ(tutorial.P().Selection.SelectedValue, 5) << "then it is a normal level";
}

}  // namespace
