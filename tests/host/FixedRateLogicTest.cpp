// The fixed-rate timer: how real frame times become logic steps.

#include <gtest/gtest.h>

#include "host/TFixedRateLogic.h"

namespace {

struct FixedRateLogicTest : ::testing::Test {
    float delta = 1.0f;
    int now = 1000;
    TFixedRateLogic timer{delta};

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
    timer.VSync = false;
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
    timer.VSync = true;
    EXPECT_NEAR(Frame(12), 12 / 5.0, 1e-9);
    timer.VSync = false;
    const double averaged = Frame(12);
    EXPECT_GT(averaged, 12 / 5.0);
}

TEST_F(FixedRateLogicTest, ClockWrapRepeatsThePreviousStepCount) {
    for (int i = 0; i < 5; ++i) Frame(15);
    now -= 100000;
    timer.Calc();
    EXPECT_DOUBLE_EQ(timer.NumTicks, 3.0);
}

TEST_F(FixedRateLogicTest, AChosenWaitCountsInFullUpToAStallAndLeavesTheSmoothingAlone) {
    timer.VSync = false;
    for (int i = 0; i < 5; ++i) Frame(10);
    for (int i = 0; i < 10; ++i) Frame(16);
    const int recorded = timer.HistorySize;
    // Two seconds of still screen, ended by a click 1.7 s in: all of it is game time, and the
    // steps before the last stand for the time before the click.
    timer.BeginChosenWait(2000);
    EXPECT_NEAR(Frame(1703), 1703 / 5.0, 1e-9);
    EXPECT_EQ(timer.WaitedSteps, 339);
    EXPECT_EQ(timer.HistorySize, recorded);
    EXPECT_NEAR(Frame(16), 16 / 5.0, 1e-9) << "the next frame is smoothed as before the wait";
    EXPECT_EQ(timer.WaitedSteps, 0);
    // Asleep for a minute during the wait: only the wait and a frame are caught up.
    timer.BeginChosenWait(1000);
    EXPECT_DOUBLE_EQ(Frame(60000), (1000 + 50) / 5.0);
    Frame(200);
    EXPECT_DOUBLE_EQ(timer.TmpMS, 50.0) << "the cap is back once the wait is over";
}

TEST_F(FixedRateLogicTest, MillisecondsBecomeStepsOfTheFrameRate) {
    EXPECT_FLOAT_EQ(timer.MS, 5.0f);
    EXPECT_FLOAT_EQ(timer.CalcAnimLength(1000), 200.0f);
    timer.SetDefaultFramerate(50);
    timer.CalcMS();
    EXPECT_FLOAT_EQ(timer.CalcAnimLength(1000), 50.0f);
}

}  // namespace
