// The play screen's busiest moments rendered frame by frame, 50 frames a second, in both
// motion settings: a line's burst, the bomb, and the celebration of a full machine. None may
// flash more than three times a second over a large part of the screen (see FlashMeter.h).

#include <cstdio>
#include <string>

#include "FlashMeter.h"
#include "ScreenFixture.h"

namespace game_screen_test {
namespace {

// Four logic steps of 5 ms between frames: 50 frames a second, enough to see anything up to
// 25 changes a second.
constexpr int kStepsPerFrame = 4;
constexpr int kFps = 1000 / (5 * kStepsPerFrame);

class FlashTest : public ScreenFixture, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override {
        ScreenFixture::SetUp();
        Host->Presentation.ReducedMotion = GetParam();
        Host->Presentation.Particles = 80;
    }
    void TearDown() override {
        Host->Presentation.ReducedMotion = false;
        ScreenFixture::TearDown();
    }
    // Runs and renders `steps` logic steps, a frame every kStepsPerFrame.
    void Watch(int steps) {
        for (int i = 0; i < steps; ++i) {
            Pass();
            if (i % kStepsPerFrame != 0) continue;
            media::Cls();
            Screen->Draw();
            Meter.Add(media::GrabPixmap(0, 0, 800, 600));
        }
    }
    void Check(const char* moment) {
        std::printf(
            "%s, %s motion: %.1f flashes a second at the busiest point (counted up to 4); "
            "at most %.1f%% of a field flashing too often\n",
            moment, GetParam() ? "reduced" : "full", Meter.MostFlashesPerSecond(),
            100 * Meter.WorstShare());
        EXPECT_LT(Meter.WorstShare(), 0.25) << moment;
    }
    FlashMeter Meter{kFps};
};

TEST_P(FlashTest, ALinesBurstDoesNotFlash) {
    StartLevel(1, {"2222.....", ".........", ".........", ".........", "....2....", ".........",
                   ".........", ".........", "........3"});
    Machine().MachineFill = 100;
    Watch(30);
    ClickCell(4, 4);
    ClickCell(4, 0);
    Effects().DrainBurst(8, Machine().MachineFill);
    Watch(400);
    EXPECT_EQ(Board().Board[0][0], EMPTY) << "the line went";
    Check("a line's burst");
}

TEST_P(FlashTest, TheBombDoesNotFlash) {
    StartLevel(1, {"2.3.4....", ".........", "5.6.#....", ".........", ".........", ".........",
                   ".........", ".........", "........3"});
    Machine().MachineFill = 100;
    Pass();
    Pass(true, 169, 88);
    ASSERT_EQ(L().Powers.Active, PowerBomb);
    Watch(60);
    ClickCell(2, 2);
    Watch(500);
    EXPECT_EQ(Board().Board[2][0], EMPTY) << "the bomb went off";
    Check("the bomb");
}

TEST_P(FlashTest, TheCelebrationDoesNotFlash) {
    StartLevel(2);
    Machine().MachineFill = 146;
    Machine().PendingFill = 12;
    Watch(700);
    ASSERT_TRUE(L().LevelTime) << "the celebration runs";
    Watch(400);
    Check("the celebration");
}

INSTANTIATE_TEST_SUITE_P(Motion, FlashTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "Reduced" : "Full");
                         });

}  // namespace
}  // namespace game_screen_test
