// The fixed-rate timer: how real frame times become logic steps.

#include <gtest/gtest.h>

#include "host/TGame.h"

namespace {

struct FixedRateLogicTest : ::testing::Test {
    TGame game;
    int now = 1000;
    TFixedRateLogic& timer = game.FixedRateLogic;

    void SetUp() override {
        timer.Clock = [this] { return now; };
        timer.Create();
        timer.Init();
    }
    double Frame(int ms) {
        now += ms;
        timer.Calc();
        return timer.NumTicks;
    }
};

TEST_F(FixedRateLogicTest, FirstFramesUseTheirOwnTimeAndLongFramesAreCapped) {
    for (int i = 0; i < 5; ++i) EXPECT_DOUBLE_EQ(Frame(10), 2.0) << "frame " << i;
    EXPECT_EQ(timer.HistorySize, 1) << "nothing recorded before the sixth frame";
    EXPECT_DOUBLE_EQ(Frame(200), 10.0) << "a long frame never yields more than 10 steps";
    EXPECT_EQ(timer.History[0], 50);
}

TEST_F(FixedRateLogicTest, HistoryAveragesTheLastFiftyFrames) {
    game.VSync = 0;
    for (int i = 0; i < 5; ++i) Frame(16);
    Frame(200);
    double ticks = 0;
    for (int i = 0; i < 49; ++i) ticks = Frame(16);
    EXPECT_NEAR(ticks, (49 * 16 + 50) / 50.0 / 5.0, 1e-9);
    // The long frame drops out of the ring after 50 more frames.
    EXPECT_NEAR(Frame(16), 16 / 5.0, 1e-9);
}

TEST_F(FixedRateLogicTest, WithVSyncAShorterFrameBypassesTheHistory) {
    for (int i = 0; i < 5; ++i) Frame(17);
    for (int i = 0; i < 10; ++i) Frame(17);
    game.VSync = 1;
    EXPECT_NEAR(Frame(12), 12 / 5.0, 1e-9);
    game.VSync = 0;
    const double averaged = Frame(12);
    EXPECT_GT(averaged, 12 / 5.0);
}

TEST_F(FixedRateLogicTest, ClockWrapRepeatsThePreviousStepCount) {
    for (int i = 0; i < 5; ++i) Frame(15);
    now -= 100000;
    timer.Calc();
    EXPECT_DOUBLE_EQ(timer.NumTicks, 3.0);
}

TEST_F(FixedRateLogicTest, TurboAndSlowMotion) {
    game.FastOn();
    EXPECT_DOUBLE_EQ(Frame(40), 1.0);
    EXPECT_EQ(game.Presentation.FlipSyncMode, 0);
    game.FastOff();
    EXPECT_EQ(game.Presentation.FlipSyncMode, game.LastFlipSync);

    game.SlowMotionOn();
    EXPECT_FLOAT_EQ(timer.MS, 20.0f);
    EXPECT_FLOAT_EQ(game.CalcAnimLength(1000), 200.0f) << "1000 ms takes 4 real seconds";
    game.SlowMotionOff();
    EXPECT_FLOAT_EQ(game.CalcAnimLength(1000), 200.0f);
    EXPECT_FLOAT_EQ(timer.MS, 5.0f);
    EXPECT_EQ(game.CalcMilliSecsFromFrames(3.5f), 17);
}

}  // namespace
