// Drawing again only what changed must never change a pixel: a played level (a piece selected
// and moved, a line and its bubbles, the deals, the bomb and the celebration) is drawn frame by
// frame whole, then again damage-tracked, and every frame shown must be the same.

#include <cstdint>
#include <vector>

#include "ScreenFixture.h"

namespace game_screen_test {
namespace {

std::uint64_t CanvasChecksum() {
    const media::Pixmap pixels = media::GrabFrame();
    std::uint64_t sum = 1469598103934665603ull;
    for (const std::uint32_t pixel : pixels.pixels) sum = (sum ^ pixel) * 1099511628211ull;
    return sum;
}

struct Journey {
    std::vector<std::uint64_t> frames;
    long redrawn = 0;
    int unchanged = 0;
};

class DamageTrackingTest : public ScreenFixture {
protected:
    // One frame as the host draws it; read back after the flip, as it was shown.
    void Frame(Journey& journey) {
        media::Cls();
        Screen->Draw();
        media::Flip(0);
        journey.frames.push_back(CanvasChecksum());
        journey.redrawn += media::FlipRedrawnPixels();
        if (media::FlipRedrawnPixels() == 0) ++journey.unchanged;
    }
    void Play(Journey& journey, int passes) {
        for (int i = 0; i < passes; ++i) {
            Pass();
            Frame(journey);
        }
    }
    void Click(Journey& journey, int x, int y) {
        Pass(true, x, y);
        Frame(journey);
    }
    void ClickOn(Journey& journey, int cellX, int cellY) {
        Click(journey, CellCentreX(cellX), CellCentreY(cellY));
    }

    Journey PlayLevel(bool tracked, int width, int height) {
        EXPECT_TRUE(media::OpenDisplay(width, height, 0, 60));
        media::SetDamageTracking(tracked);
        // Bursts scatter their bubbles by the shared random numbers: both runs start them alike.
        media::SeedRandom(1);
        Journey journey;
        StartLevel(15, {"2222.....", ".........", "2...3.4..", "....5....", "5..6.7...",
                        "..8....R.", "9....T...", "..2...3..", "4.....#.2"});
        Machine().MachineFill = 40;
        Play(journey, 20);
        // A piece picked up and put down again, then a move that makes a line.
        ClickOn(journey, 4, 3);
        Play(journey, 30);
        ClickOn(journey, 4, 3);
        Play(journey, 10);
        ClickOn(journey, 0, 2);
        Play(journey, 5);
        ClickOn(journey, 4, 0);
        Play(journey, 120);
        // A burst of bubbles from a line's worth of cells.
        TLineRemoval removal;
        removal.OriginX = 6;
        removal.OriginY = 6;
        removal.Cells = {{6, 6}, {7, 6}, {8, 6}, {5, 6}, {4, 6}};
        removal.PopupImage = 5;
        Effects().LineRemoved(removal, Machine().MachineFill);
        Effects().DrainBurst(8, Machine().MachineFill);
        Play(journey, 60);
        // The bomb, picked from the powers and dropped on the board.
        Machine().MachineFill = 40;
        Click(journey, 169, 88);
        ClickOn(journey, 5, 4);
        Play(journey, 120);
        // The level won: the celebration over the whole scene.
        Machine().MachineFill = 147;
        Machine().FanfarePending = true;
        Machine().LevelWonPending = true;
        Play(journey, 250);
        return journey;
    }

    void CompareWholeAndTracked(int width, int height) {
        const Journey whole = PlayLevel(false, width, height);
        // The same level from the start, on a fresh screen and host.
        TearDown();
        Now = 100000;
        SetUp();
        const Journey tracked = PlayLevel(true, width, height);
        media::SetDamageTracking(true);
        EXPECT_TRUE(media::OpenDisplay(800, 600, 0, 60));

        ASSERT_EQ(whole.frames.size(), tracked.frames.size());
        for (size_t i = 0; i < whole.frames.size(); ++i)
            ASSERT_EQ(whole.frames[i], tracked.frames[i]) << "frame " << i << " differs";
        EXPECT_EQ(whole.unchanged, 0);
        EXPECT_LT(tracked.redrawn, whole.redrawn / 2)
            << "tracking should spare most of the drawing";
    }
};

TEST_F(DamageTrackingTest, EveryFrameOfAPlayedLevelIsTheSameWholeOrDamageTracked) {
    CompareWholeAndTracked(800, 600);
}

TEST_F(DamageTrackingTest, AtTwiceTheResolutionEveryFrameIsTheSameWholeOrDamageTracked) {
    CompareWholeAndTracked(1600, 1200);
}

}  // namespace
}  // namespace game_screen_test
