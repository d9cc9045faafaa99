// The first deal, the preview's schedule of rainbows and blackjacks, and deals onto boards
// with few or no empty cells.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "BoardPicture.h"
#include "TScriptedRandom.h"
#include "game/TPreview.h"
#include "game/TZindles.h"

namespace {

class PreviewTest : public ::testing::Test {
protected:
    void Make(int level, bool tutorial = false) {
        Play =
            std::make_unique<TPlayState>(Random, level, tutorial, [](float ms) { return ms / 5; });
        Preview = std::make_unique<TPreview>(*Play);
        Play->Hooks.DealStarted = [this](int count) { Dealt.push_back(count); };
    }
    void Land() {
        for (int i = 0; i < 100 && Preview->InFlight(); ++i) Preview->logic(1);
    }
    static bool Holds(const std::array<int, 3>& slots, int value) {
        return std::find(slots.begin(), slots.end(), value) != slots.end();
    }

    TScriptedRandom Random;
    std::unique_ptr<TPlayState> Play;
    std::unique_ptr<TPreview> Preview;
    std::vector<int> Dealt;
};

struct ScheduleCase {
    int level;
    int rainbowEvery;
};

class DealScheduleTest : public PreviewTest, public ::testing::WithParamInterface<ScheduleCase> {};

TEST_P(DealScheduleTest, RainbowsAndBlackjacksArriveOnTheirDeals) {
    const auto [level, rainbowEvery] = GetParam();
    Make(level);
    for (int deal = 1; deal <= 48; ++deal) {
        Preview->NextDeal();
        ASSERT_EQ(Preview->dealCnt, deal);
        const auto& next = Preview->Next3;
        EXPECT_EQ(Holds(next, RAINBOW), deal % rainbowEvery == 0) << "deal " << deal;
        EXPECT_EQ(Holds(next, BLACKJACK), deal % 12 == 0) << "deal " << deal;
        for (int v : next) {
            if (v != RAINBOW && v != BLACKJACK) {
                EXPECT_TRUE(v >= 2 && v <= NextMax[level]) << v;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Levels, DealScheduleTest,
                         ::testing::Values(ScheduleCase{1, 2}, ScheduleCase{5, 6},
                                           ScheduleCase{11, 12}, ScheduleCase{15, 16}));

TEST_F(PreviewTest, TheFirstDealUsesLowFlavoursAtEveryLevel) {
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        TSeededRandom seeded(seed);
        TPlayState play(seeded, 15, false, [](float ms) { return ms / 5; });
        TZindles zindles(play);
        zindles.Clear(seed);
        zindles.FirstDeal();
        std::vector<int> values;
        for (const auto& column : play.BoardState.Board) {
            for (int v : column) {
                if (v != EMPTY) values.push_back(v);
            }
        }
        ASSERT_EQ(values.size(), 6u);
        EXPECT_EQ(play.BoardState.PiecesOnBoard, 6);
        for (int v : values) EXPECT_TRUE(v >= 2 && v <= 6) << v;
        for (int v : {4, 5, 6}) EXPECT_NE(std::find(values.begin(), values.end(), v), values.end());
    }
}

TEST_F(PreviewTest, ADealOntoTwoEmptyCellsFillsTheBoardAndLosesTheThirdPiece) {
    Make(3);
    SetBoard(Play->BoardState, {"23456.234", "562345623", "345623456", "234562345", "623456234",
                                "456234562", "345623456", "234562345", "6234562.4"});
    Preview->Next3 = {7, 8, 9};
    Random.Script({5, 0, 7, 8});
    Preview->Deal();
    EXPECT_EQ(Dealt, std::vector<int>{2});
    EXPECT_EQ(Preview->count, 2);
    EXPECT_EQ(Play->BoardState.PiecesOnBoard, 81);
    EXPECT_TRUE(Play->BoardState.DealFillsBoard);
    EXPECT_EQ(Play->BoardState.Board[5][0], RESERVED);
    EXPECT_EQ(Play->BoardState.CountEmptySquares(), 0) << "reserved cells are not empty";

    // Slot 1 was placed first, at the first cell drawn.
    Land();
    EXPECT_EQ(Play->BoardState.Board[5][0], 8);
    EXPECT_EQ(Play->BoardState.Board[7][8], 7);
    EXPECT_EQ(Play->BoardState.CountOccupiedCells(), 81);
    EXPECT_EQ(Play->BoardState.DealtToCheck, 2);
}

TEST_F(PreviewTest, ADealOntoAFullBoardLandsNothingButMovesThePreviewOn) {
    Make(2);
    SetBoard(Play->BoardState, {"234562345", "562345623", "345623456", "234562345", "623456234",
                                "456234562", "345623456", "234562345", "623456234"});
    const auto before = BoardRows(Play->BoardState);
    const auto next = Preview->Next3;
    Preview->Deal();
    EXPECT_EQ(Dealt, std::vector<int>{0});
    EXPECT_EQ(Preview->Last3, next);
    EXPECT_TRUE(Play->BoardState.DealAnimating);
    EXPECT_EQ(Play->BoardState.PiecesOnBoard, 81);
    Land();
    EXPECT_EQ(BoardRows(Play->BoardState), before);
    EXPECT_EQ(Play->BoardState.DealtToCheck, 0);
    EXPECT_FALSE(Play->BoardState.DealFillsBoard) << "nothing is left to wait for";
}

TEST_F(PreviewTest, ASecondDealInFlightIsIgnoredAndLandingTakesSixtyTwoPasses) {
    Make(1);
    Preview->Deal();
    const auto rows = BoardRows(Play->BoardState);
    const int pieces = Play->BoardState.PiecesOnBoard;
    Preview->Deal();
    EXPECT_EQ(BoardRows(Play->BoardState), rows);
    EXPECT_EQ(Play->BoardState.PiecesOnBoard, pieces);
    EXPECT_EQ(Dealt.size(), 1u);

    int passes = 0;
    while (Preview->InFlight()) {
        Preview->logic(1);
        ++passes;
    }
    EXPECT_EQ(passes, 62);
    EXPECT_FALSE(Play->BoardState.DealAnimating);
    EXPECT_EQ(Play->BoardState.PiecesOnBoard, Play->BoardState.CountOccupiedCells());
}

TEST_F(PreviewTest, TheTutorialDealFollowsItsScript) {
    Make(1, true);
    TZindles zindles(*Play);
    zindles.FirstDeal();
    Preview->NextDeal();
    EXPECT_EQ(Preview->Next3, (std::array<int, 3>{11, 5, 1}));
    Preview->Deal();
    EXPECT_EQ(Preview->Next3, (std::array<int, 3>{3, 2, 4}));
    Land();
    EXPECT_EQ(Play->BoardState.Board[4][5], RAINBOW);
    EXPECT_EQ(Play->BoardState.Board[2][2], 5);
    EXPECT_EQ(Play->BoardState.Board[0][1], BLACKJACK);
    EXPECT_EQ(Play->BoardState.PiecesOnBoard, 13);
}

TEST_F(PreviewTest, TutorialDealsBeyondTheScriptStayOnTheBoardAndInTheScript) {
    Make(1, true);
    // Every scripted cell taken: the pieces must still land on empty cells.
    for (int deal = 0; deal < 20; ++deal) {
        Preview->Deal();
        Land();
        for (int v : Preview->Next3) {
            EXPECT_NE(std::find(TPreview::TutBalls.begin(), TPreview::TutBalls.end(), v),
                      TPreview::TutBalls.end());
        }
        ASSERT_EQ(Play->BoardState.PiecesOnBoard, Play->BoardState.CountOccupiedCells());
    }
    EXPECT_EQ(Play->BoardState.PiecesOnBoard, 60);
}

}  // namespace
