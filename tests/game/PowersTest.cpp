// The three powers: what they cost, when they can be armed, what each does to the board, what
// is paid when two costs overlap or a palette runs out, and that none of them touches a board
// with a deal in the air.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "BoardPicture.h"
#include "LevelDriver.h"
#include "TScriptedRandom.h"

namespace {

constexpr int VortexX = 59, VortexY = 88;
constexpr int PaletteX = 114, PaletteY = 65;
constexpr int BombX = 169, BombY = 88;

std::vector<int> SortedPieces(const TBoardState& b) {
    std::vector<int> v;
    for (const auto& column : b.Board) {
        for (int c : column) {
            if (c != EMPTY) v.push_back(c);
        }
    }
    std::sort(v.begin(), v.end());
    return v;
}

class PowersTest : public ::testing::Test {
protected:
    void Make(int level, float fill, const std::vector<std::string>& rows) {
        Driver = std::make_unique<LevelDriver>(Random, level);
        SetBoard(Driver->B(), rows);
        Driver->M().MachineFill = fill;
        auto& hooks = Driver->P().Hooks;
        hooks.PowerPaid = [this](int power, int burst) { Paid.push_back({power, burst}); };
        hooks.PowerRefused = [this] { ++Refused; };
        hooks.VortexSweep = [this] { ++Sweeps; };
        Driver->Pass();
    }
    bool Idle() { return !Driver->L().AnyPowerAnimating(); }
    // Fill the machine will settle at once everything pending has moved.
    float Settled() {
        return Driver->M().MachineFill + Driver->M().PendingFill - Driver->M().PendingDrain;
    }

    TScriptedRandom Random;
    std::unique_ptr<LevelDriver> Driver;
    std::vector<std::array<int, 2>> Paid;
    int Refused = 0;
    int Sweeps = 0;
};

const std::vector<std::string> Sparse = {"2........", ".3.......", "..4......",
                                         "...5.....", "....6....", ".....#...",
                                         "......R..", ".......2.", "........3"};

TEST_F(PowersTest, CostsFollowTheLevelsFill) {
    const int expected[][3] = {{28, 56, 84}, {24, 48, 72}, {20, 40, 60}, {16, 32, 48},
                               {12, 24, 36}, {8, 16, 24},  {4, 8, 12}};
    const int levels[] = {1, 3, 6, 9, 12, 14, 15};
    for (int i = 0; i < 7; ++i) {
        LevelDriver d(Random, levels[i]);
        EXPECT_EQ(d.L().Powers.SCost, expected[i][0]);
        EXPECT_EQ(d.L().Powers.PCost, expected[i][1]);
        EXPECT_EQ(d.L().Powers.BCost, expected[i][2]);
    }
}

TEST_F(PowersTest, TokensLightWhenAffordableAndOnlyOneIsArmed) {
    Make(1, 60, Sparse);
    TPowers& p = Driver->L().Powers;
    EXPECT_EQ(std::vector<int>({p.VOFF, p.POFF, p.BOFF}), std::vector<int>({1, 1, 0}));
    EXPECT_TRUE(p.VortexOffered);

    Driver->ClickCell(0, 0);
    ASSERT_EQ(Driver->P().Selection.SelectedValue, 2);
    Driver->ClickAt(VortexX, VortexY);
    EXPECT_EQ(p.Active, PowerVortex);
    EXPECT_EQ(p.VOFF, 2);
    EXPECT_EQ(Driver->P().Selection.SelectedValue, 0) << "arming drops the selection";

    Driver->ClickAt(PaletteX, PaletteY);
    EXPECT_EQ(p.Active, PowerPalette);
    EXPECT_EQ(p.VOFF, 0);
    Driver->Pass();
    EXPECT_EQ(p.VOFF, 1) << "re-rated on the next pass";

    Driver->ClickAt(PaletteX, PaletteY);
    EXPECT_EQ(p.Active, 0) << "a second click disarms";
    EXPECT_EQ(p.POFF, 1);
    Driver->ClickAt(BombX, BombY);
    EXPECT_EQ(p.Active, 0) << "an unaffordable token cannot be hit";
}

TEST_F(PowersTest, TheTutorialReArmsAndLocksPowersItHasPassed) {
    Driver = std::make_unique<LevelDriver>(Random, 1, true);
    Driver->M().MachineFill = 147 - 1;
    TPowers& p = Driver->L().Powers;
    Driver->ClickAt(VortexX, VortexY);
    Driver->ClickAt(VortexX, VortexY);
    EXPECT_EQ(p.Active, PowerVortex) << "a repeated click re-arms";
    Driver->P().TutStep = 10;
    Driver->ClickAt(PaletteX, PaletteY);
    Driver->ClickAt(VortexX, VortexY);
    EXPECT_EQ(p.Active, PowerPalette) << "the vortex lesson is over";
}

TEST_F(PowersTest, TheVortexShufflesEveryPieceAndThenCharges) {
    Make(1, 40, Sparse);
    const auto pieces = SortedPieces(Driver->B());
    const auto before = BoardRows(Driver->B());
    Driver->ClickAt(VortexX, VortexY);
    Driver->ClickCell(8, 0);
    ASSERT_TRUE(Driver->L().Vortex.VortexAnim.Active);
    ASSERT_TRUE(Driver->RunUntil([&] { return Idle(); }, 400));
    EXPECT_GE(Sweeps, 8) << "about one sweep per 100 ms";
    EXPECT_LE(Sweeps, 10);
    EXPECT_NE(BoardRows(Driver->B()), before);
    EXPECT_EQ(SortedPieces(Driver->B()), pieces) << "blackjacks and rainbows move like all";
    EXPECT_EQ(Driver->B().PiecesOnBoard, static_cast<int>(pieces.size()));
    EXPECT_EQ(Driver->L().Powers.Active, 0);
    EXPECT_EQ(Paid, (std::vector<std::array<int, 2>>{{PowerVortex, 4}}));
    EXPECT_FLOAT_EQ(Settled(), 40 - 28);

    // The machine drains a pixel per 20 ms and the tokens follow it.
    Driver->Passes(28 * 4 + 4);
    EXPECT_FLOAT_EQ(Driver->M().MachineFill, 12);
    EXPECT_EQ(Driver->L().Powers.VOFF, 0);
}

TEST_F(PowersTest, ThePaletteRepaintsOccupiedNeighboursOnly) {
    Make(1, 60,
         {".........", ".........", "..467....", "..352....", "..R.#....", ".........", ".........",
          ".........", "........."});
    Driver->ClickAt(PaletteX, PaletteY);
    Driver->ClickCell(0, 0);
    Driver->ClickCell(4, 4);
    EXPECT_EQ(Refused, 2) << "an empty cell and a blackjack are refused";
    EXPECT_EQ(Driver->L().Powers.Active, PowerPalette) << "and the palette stays armed";

    Driver->ClickCell(3, 3);
    ASSERT_TRUE(Driver->L().Palette.BrushAnim.Active);
    ASSERT_TRUE(Driver->RunUntil([&] { return Idle(); }, 400));
    EXPECT_EQ(
        BoardRows(Driver->B()),
        (std::vector<std::string>{".........", ".........", "..555....", "..555....", "..5.5....",
                                  ".........", ".........", ".........", "........."}));
    EXPECT_EQ(Paid, (std::vector<std::array<int, 2>>{{PowerPalette, 6}}));
    EXPECT_FLOAT_EQ(Settled(), 60 - 56);
}

TEST_F(PowersTest, APaletteThatRunsOutBeforeItsLastStepLeavesTheRestAndCostsNothing) {
    Make(1, 60,
         {".........", ".........", "..467....", "..352....", "..R.#....", ".........", ".........",
          ".........", "........."});
    Driver->ClickAt(PaletteX, PaletteY);
    Driver->ClickCell(3, 3);
    ASSERT_TRUE(Driver->L().Palette.BrushAnim.Active);
    // Passes of 150 ms: one brush step each, so the 1.5 s run out after about ten steps.
    Driver->Delta = 30;
    ASSERT_TRUE(Driver->RunUntil([&] { return Idle(); }, 20));
    EXPECT_LT(Driver->L().Palette.nPaint, TPalette::LastPaintStep);
    EXPECT_EQ(
        BoardRows(Driver->B()),
        (std::vector<std::string>{".........", ".........", "..467....", "..355....", "..R.#....",
                                  ".........", ".........", ".........", "........."}))
        << "only the right neighbour, painted at step 4";
    EXPECT_EQ(Driver->L().Powers.Active, 0);
    EXPECT_FALSE(Driver->L().Palette.DoPaint);
    EXPECT_TRUE(Paid.empty());
    EXPECT_FLOAT_EQ(Settled(), 60);
}

TEST_F(PowersTest, APowerFinishedWhileAnotherStillDrainsAddsItsCost) {
    Make(1, 147 - 7, Sparse);
    Driver->ClickAt(BombX, BombY);
    Driver->ClickCell(0, 8);
    ASSERT_TRUE(Driver->RunUntil([&] { return Idle(); }, 400));
    ASSERT_GT(Driver->M().PendingDrain, 28);
    Driver->Pass();
    Driver->ClickAt(VortexX, VortexY);
    Driver->ClickCell(4, 4);
    ASSERT_TRUE(Driver->L().Vortex.VortexAnim.Active);
    ASSERT_TRUE(Driver->RunUntil([&] { return Idle(); }, 400));
    ASSERT_GT(Driver->M().PendingDrain, 28) << "the bomb's cost is still draining";
    EXPECT_FLOAT_EQ(Settled(), 147 - 7 - 84 - 28) << "both are paid in full";
}

TEST_F(PowersTest, ThePaletteOnARainbowMakesRainbowsAndTheirLinesGo) {
    Make(1, 60,
         {".........", ".........", ".........", "2222R2...", ".........", ".........", ".........",
          ".........", "........."});
    Driver->ClickAt(PaletteX, PaletteY);
    Driver->ClickCell(4, 3);
    ASSERT_TRUE(Driver->RunUntil([&] { return Idle() && !Driver->L().PowerCheck; }, 400));
    int pieces = 0;
    for (const auto& column : Driver->B().Board) {
        pieces += static_cast<int>(
            std::count_if(column.begin(), column.end(), [](int v) { return IsMovablePiece(v); }));
    }
    EXPECT_EQ(pieces, 0) << "2, 2, 2, rainbow, rainbow, rainbow is a line of 2s";
    EXPECT_EQ(Driver->B().PiecesOnBoard, 3) << "the board is empty, so a deal is on its way";
}

TEST_F(PowersTest, TheBombClearsItsRowAndColumnBlackjacksIncluded) {
    Make(1, 90,
         {"....2....", "....#....", ".........", ".........", "3#3.#.3#3", ".........", ".........",
          ".........", "2...2...2"});
    Driver->ClickAt(BombX, BombY);
    Driver->ClickCell(4, 4);
    ASSERT_TRUE(Driver->L().Bomb.doExplosion);
    ASSERT_TRUE(Driver->RunUntil([&] { return Idle(); }, 400));
    EXPECT_EQ(
        BoardRows(Driver->B()),
        (std::vector<std::string>{".........", ".........", ".........", ".........", ".........",
                                  ".........", ".........", ".........", "2.......2"}));
    EXPECT_EQ(Driver->B().PiecesOnBoard, 2);
    EXPECT_FALSE(Driver->L().Bomb.doExplosion);
    EXPECT_EQ(Driver->L().Bomb.ExplosionMap[4][0], -1);
    EXPECT_FLOAT_EQ(Settled(), 90 - 84);
}

TEST_F(PowersTest, ABombThatEmptiesTheBoardBringsADealAtOnce) {
    Make(15, 20,
         {".........", ".........", ".........", ".........", "....2....", ".........", ".........",
          ".........", "........."});
    Driver->ClickAt(BombX, BombY);
    Driver->ClickCell(0, 0);
    ASSERT_TRUE(Driver->L().Bomb.BombAnim.Active);
    ASSERT_TRUE(Driver->RunUntil([&] { return Idle(); }, 400));
    EXPECT_EQ(Driver->B().PiecesOnBoard, 1) << "an empty cell's row and column still go";
    EXPECT_FLOAT_EQ(Settled(), 20 - 12);

    Make(15, 20, Sparse);
    Driver->ClickAt(BombX, BombY);
    SetBoard(Driver->B(), {".........", ".........", ".........", ".........", "....2....",
                           ".........", ".........", ".........", "........."});
    Driver->ClickCell(4, 4);
    ASSERT_TRUE(Driver->RunUntil([&] { return Idle(); }, 400));
    Driver->Pass();
    EXPECT_EQ(Driver->B().PiecesOnBoard, 3);
    EXPECT_TRUE(Driver->L().Preview.InFlight());
}

TEST_F(PowersTest, NoPowerStartsUnderADealInFlightOrAMovingPiece) {
    Make(1, 147 - 7, Sparse);
    Random.Script({0, 8, 1, 8, 2, 8});
    Driver->L().Preview.Deal();
    for (const auto& token :
         {std::array<int, 2>{VortexX, VortexY}, {PaletteX, PaletteY}, {BombX, BombY}}) {
        Driver->ClickAt(token[0], token[1]);
        Driver->ClickCell(3, 3);
        EXPECT_TRUE(Idle()) << "token at " << token[0];
        EXPECT_NE(Driver->L().Powers.Active, 0) << "the power stays armed";
    }
    ASSERT_TRUE(Driver->RunUntil([&] { return !Driver->L().Preview.InFlight(); }, 100));
    EXPECT_EQ(Driver->B().PiecesOnBoard, Driver->B().CountOccupiedCells());

    Driver->ClickAt(BombX, BombY);  // disarm
    Driver->ClickCell(0, 0);
    Driver->ClickCell(1, 0);
    ASSERT_TRUE(Driver->P().Selection.PieceMoving);
    Driver->ClickAt(VortexX, VortexY);
    Driver->ClickCell(4, 4);
    EXPECT_TRUE(Idle()) << "not while a piece is moving";
}

}  // namespace
