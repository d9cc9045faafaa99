// The tutorial's script through the rules: each step waits for exactly what it names, clicks
// elsewhere or under a moving piece do nothing, each power works only in its lesson, and the end
// leaves a normal level with an empty machine and a fresh clock.

#include <gtest/gtest.h>

#include <memory>

#include "LevelDriver.h"
#include "game/TSeededRandom.h"

namespace {

// A click that is on no cell and no token.
constexpr int AwayX = 790, AwayY = 590;

class TutorialTest : public ::testing::Test {
protected:
    void SetUp() override {
        Driver = std::make_unique<LevelDriver>(Random, 1, true);
        Driver->P().Hooks.TutorialEnded = [this] { ++Ended; };
    }
    int Step() { return Driver->P().TutStep; }
    TPowers& Powers() { return Driver->L().Powers; }
    void ClickAway() { Driver->ClickAt(AwayX, AwayY); }
    void ClickToken(int power) {
        const auto r = TPowers::TokenRect(power);
        Driver->ClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    // Until nothing moves, lands, animates, fills or drains any more.
    void Settle() {
        ASSERT_TRUE(Driver->RunUntil([this] {
            const TMachine& m = Driver->M();
            return !Driver->P().Selection.PieceMoving && !Driver->B().DealAnimating &&
                   !Driver->L().Preview.InFlight() && Driver->B().DealtToCheck == 0 &&
                   !Driver->L().AnyPowerAnimating() && m.PendingFill == 0 && m.PendingDrain == 0;
        }));
    }
    bool BoxShown() { return Driver->L().Tutorial.Box().Shown; }

    // What the player is asked to do at the current step.
    void Act() {
        switch (Step()) {
            case 1:
                return Driver->ClickCell(5, 7);
            case 2:
                return Driver->ClickCell(5, 2);
            case 5:
                return Driver->ClickCell(4, 5);
            case 6:
                return Driver->ClickCell(3, 2);
            case 7:
                return ClickToken(PowerVortex);
            case 8:
                return Driver->ClickCell(0, 0);
            case 11:
                return ClickToken(PowerPalette);
            case 12:
                return Driver->ClickCell(4, 3);
            case 15:
                return ClickToken(PowerBomb);
            case 16:
                return Driver->ClickCell(5, 5);
            default:
                return ClickAway();
        }
    }
    // Plays the script by the book from wherever it stands up to the given step, then lets
    // everything come to rest.
    void PlayTo(int step) {
        for (int i = 0; i < 100 && Driver->P().TutorialGame; ++i) {
            Settle();
            if (Step() >= step) break;
            Act();
        }
        ASSERT_EQ(Step(), step);
        Settle();
    }

    TSeededRandom Random{11};
    std::unique_ptr<LevelDriver> Driver;
    int Ended = 0;
};

TEST_F(TutorialTest, TheScriptRunsFromTheFixedBoardToANormalLevel) {
    ASSERT_TRUE(Driver->P().TutorialGame);
    EXPECT_EQ(Driver->L().Preview.Next3, (std::array<int, 3>{11, 5, 1}));
    PlayTo(3);
    EXPECT_EQ(Driver->B().Board[5][2], 5);
    EXPECT_EQ(Driver->B().Board[4][5], RAINBOW);
    EXPECT_EQ(Driver->B().Board[2][2], 5);
    EXPECT_EQ(Driver->B().Board[0][1], BLACKJACK);
    PlayTo(7);
    EXPECT_EQ(Driver->B().Board[3][2], EMPTY) << "the rainbow completed a line of five";
    EXPECT_FLOAT_EQ(Driver->M().MachineFill, 35);
    EXPECT_TRUE(Powers().VortexOffered);
    PlayTo(9);
    EXPECT_EQ(Driver->B().PiecesOnBoard, 8) << "the vortex leaves the scripted board";
    EXPECT_EQ(Driver->B().Board[1][5], BLACKJACK);
    PlayTo(13);
    EXPECT_EQ(Driver->B().Board[5][3], 3);
    EXPECT_EQ(Driver->B().Board[3][4], 3);
    EXPECT_EQ(Driver->B().Board[4][2], 3);
    PlayTo(17);
    EXPECT_EQ(Driver->B().Board[1][5], EMPTY) << "the bomb took the blackjack";
    EXPECT_EQ(Ended, 0);
    PlayTo(21);
    EXPECT_TRUE(BoxShown() == false && Driver->P().TutorialGame);
    Driver->Pass();
    EXPECT_FALSE(Driver->P().TutorialGame);
    EXPECT_EQ(Step(), 0);
    EXPECT_EQ(Ended, 1);
    EXPECT_FALSE(BoxShown());

    // From here on a piece is picked up by the normal rules.
    Driver->ClickCell(4, 3);
    EXPECT_EQ(Driver->P().Selection.SelectedValue, 3);
}

TEST_F(TutorialTest, ClicksOffTheNamedCellOrUnderAMovingPieceDoNothing) {
    PlayTo(1);
    Driver->ClickCell(1, 2);
    Driver->ClickCell(5, 6);
    ClickAway();
    EXPECT_EQ(Step(), 1);
    EXPECT_EQ(Driver->P().Selection.SelectedValue, 0) << "pieces cannot be picked freely";
    Driver->ClickCell(5, 7);
    ASSERT_EQ(Step(), 2);
    Driver->ClickCell(6, 2);
    Driver->ClickCell(1, 2);
    EXPECT_EQ(Step(), 2);
    EXPECT_EQ(Driver->P().Selection.SelectedX, 5) << "the selection stays on the taught piece";
    Driver->ClickCell(5, 2);
    ASSERT_EQ(Step(), 3);
    ASSERT_TRUE(Driver->P().Selection.PieceMoving);
    EXPECT_FALSE(BoxShown()) << "the next box waits for the move and the deal";
    ClickAway();
    EXPECT_EQ(Step(), 3) << "a click during the move";
    ASSERT_TRUE(Driver->RunUntil([this] { return Driver->L().Preview.InFlight(); }));
    ClickAway();
    EXPECT_EQ(Step(), 3) << "a click while the deal flies in, before the box shows";
    ASSERT_TRUE(Driver->RunUntil([this] { return BoxShown(); }));
    ClickAway();
    EXPECT_EQ(Step(), 4);

    PlayTo(5);
    Driver->ClickCell(2, 2);
    EXPECT_EQ(Step(), 5);
    Driver->ClickCell(4, 5);
    ASSERT_EQ(Step(), 6);
    Driver->ClickCell(4, 4);
    EXPECT_EQ(Step(), 6);
    EXPECT_EQ(Driver->B().Board[4][4], EMPTY) << "no move to a cell the script did not name";
    Driver->ClickCell(3, 2);
    EXPECT_EQ(Step(), 7);
}

TEST_F(TutorialTest, EachPowerWorksInItsOwnLessonOnly) {
    PlayTo(7);
    ASSERT_EQ(Powers().VOFF, 1);
    Driver->ClickCell(0, 0);
    EXPECT_EQ(Step(), 7) << "a board click does not stand in for arming the vortex";
    ClickToken(PowerVortex);
    ASSERT_EQ(Step(), 8);
    EXPECT_TRUE(BoxShown());
    ClickToken(PowerVortex);
    EXPECT_EQ(Powers().Active, PowerVortex) << "a second click re-arms in the tutorial";
    Driver->ClickCell(0, 0);
    EXPECT_TRUE(Driver->L().Vortex.VortexAnim.Active);
    EXPECT_FALSE(BoxShown()) << "the box goes once the vortex has been used";
    PlayTo(11);

    // The vortex lesson is over: even an affordable vortex cannot be armed again.
    Settle();
    ASSERT_GE(Driver->M().MachineFill, Powers().SCost);
    ClickToken(PowerVortex);
    EXPECT_EQ(Powers().Active, 0);
    EXPECT_EQ(Step(), 11);
    ClickToken(PowerPalette);
    ASSERT_EQ(Step(), 12);
    const TCells before = Driver->B().Board;
    Driver->ClickCell(4, 2);
    Driver->ClickCell(7, 6);
    EXPECT_EQ(Driver->B().Board, before) << "the palette takes only the taught cell";
    EXPECT_FALSE(Driver->L().Palette.BrushAnim.Active);
    EXPECT_EQ(Step(), 12);
    Driver->ClickCell(4, 3);
    ASSERT_TRUE(Driver->RunUntil([this] { return Step() == 13; }));

    PlayTo(16);
    Driver->ClickCell(1, 5);
    Driver->ClickCell(4, 3);
    EXPECT_FALSE(Driver->L().Bomb.BombAnim.Active) << "the bomb takes only the taught cell";
    EXPECT_EQ(Driver->B().Board[1][5], BLACKJACK);
    Driver->ClickCell(5, 5);
    EXPECT_TRUE(Driver->L().Bomb.BombAnim.Active);
}

TEST_F(TutorialTest, TheClockRunsThroughTheTutorialAndStartsAfreshAtItsEnd) {
    Driver->Passes(200 * 5 + 1);
    EXPECT_EQ(Driver->M().LevelScore, 995) << "the tutorial is played on the clock";
    PlayTo(20);
    EXPECT_LT(Driver->M().LevelScore, 995);
    const float time = Driver->M().TimeTaken;
    ClickAway();
    Driver->Pass();
    ASSERT_FALSE(Driver->P().TutorialGame);
    EXPECT_EQ(Driver->M().LevelScore, 1000);
    Driver->Passes(198);
    EXPECT_EQ(Driver->M().LevelScore, 1000) << "a whole second before the first point goes";
    Driver->Pass();
    EXPECT_EQ(Driver->M().LevelScore, 999);
    EXPECT_GT(Driver->M().TimeTaken, time) << "the level's time goes on";
}

TEST_F(TutorialTest, TheEndEmptiesTheMachineEvenWithGiftsOrCostsStillPending) {
    // The gifts of the palette and bomb lessons, never spent.
    Driver->P().TutStep = 10;
    Driver->Pass();
    EXPECT_FLOAT_EQ(Driver->M().PendingFill, 56);
    EXPECT_EQ(Step(), 11);
    EXPECT_FALSE(BoxShown()) << "the palette box waits for the gift to arrive";
    Driver->P().TutStep = 14;
    Driver->Passes(20);
    ASSERT_GT(Driver->M().MachineFill, 0);
    ASSERT_GT(Driver->M().PendingFill, 0);
    Driver->P().TutStep = TTutorial::LastStep;
    Driver->Pass();
    ASSERT_FALSE(Driver->P().TutorialGame);
    EXPECT_EQ(Ended, 1);
    Driver->Passes(400);
    EXPECT_FLOAT_EQ(Driver->M().MachineFill, 0);
    EXPECT_EQ(Powers().VOFF + Powers().POFF + Powers().BOFF, 0);

    // The bomb's cost still draining when the last clicks come fast: the first line of the
    // real game must not be eaten by it.
    SetUp();
    Driver->M().MachineFill = 40;
    Driver->M().PendingDrain = 44;
    Driver->P().TutStep = TTutorial::LastStep;
    Driver->Pass();
    ASSERT_FALSE(Driver->P().TutorialGame);
    Driver->M().PendingFill = 35;
    Driver->Passes(400);
    EXPECT_FLOAT_EQ(Driver->M().MachineFill, 35);
}

}  // namespace
