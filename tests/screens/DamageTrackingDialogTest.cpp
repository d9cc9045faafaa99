// A dialog over the title screen, drawn frame by frame as the host draws it: opened, pointed at
// across its buttons, answered and gone. Every frame shown must be the same whether the media
// layer draws it whole or only where it changed, and the tracked run must spare most of it; in
// an 800x600 window and in a 1600x1200 one, drawn at twice the resolution.

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "ScreenHost.h"
#include "presentation/TDialogStack.h"
#include "screens/GameDialogs.h"
#include "store/Progress.h"

namespace {

using screen_test::ScreenHost;

const auto* const kMedia = ::testing::AddGlobalTestEnvironment(new screen_test::ScreensEnvironment);

struct Frames {
    std::vector<std::uint64_t> checksums;
    long redrawn = 0;
    int unchanged = 0;
};

// One logic step and one frame through the host's own drawing, read back after the flip.
void StepAndDraw(const ScreenHost& host, Frames& frames) {
    host.Step();
    host.game->Loop.ScreenDraw();
    const media::Pixmap shown = media::GrabFrame();
    std::uint64_t sum = 1469598103934665603ull;
    for (const std::uint32_t pixel : shown.pixels) sum = (sum ^ pixel) * 1099511628211ull;
    frames.checksums.push_back(sum);
    frames.redrawn += media::FlipRedrawnPixels();
    if (media::FlipRedrawnPixels() == 0) ++frames.unchanged;
}

Frames DialogOverTitle(bool tracked, int width, int height) {
    EXPECT_TRUE(media::OpenDisplay(width, height, 0, 60));
    media::SetDamageTracking(tracked);
    media::SeedRandom(1);
    Frames frames;
    ScreenHost host;
    host.SelectPlayer("Ann");
    ProgressGameStart(host.Player, host.game->Session.Profile.get());
    // The title's picture without its turning ring: a screen that stays still behind the dialog.
    TScreen start{host.game->Parts()};
    start.ImageLoad("titleb.png", -1);
    host.Enter(start);
    for (int i = 0; i < 30; ++i) StepAndDraw(host, frames);
    host.game->Dialogs.Open(
        CreateMessageDialog(host.game->Parts(), host.Resources, "The dialog over the title"));
    for (int i = 0; i < 60; ++i) StepAndDraw(host, frames);
    // The pointer sweeps down across the box and its button, lighting what it passes.
    for (int y = 150; y < 500; y += 6) {
        ScreenHost::PointAt(400, y);
        StepAndDraw(host, frames);
    }
    for (int i = 0; i < 30; ++i) StepAndDraw(host, frames);
    ScreenHost::Press(13);  // Enter answers the message
    for (int i = 0; i < 60; ++i) StepAndDraw(host, frames);
    start.Kill();
    return frames;
}

void CompareWholeAndTracked(int width, int height) {
    const Frames whole = DialogOverTitle(false, width, height);
    const Frames tracked = DialogOverTitle(true, width, height);
    media::SetDamageTracking(true);
    EXPECT_TRUE(media::OpenDisplay(800, 600, 0, 60));
    ASSERT_EQ(whole.checksums.size(), tracked.checksums.size());
    for (size_t i = 0; i < whole.checksums.size(); ++i)
        ASSERT_EQ(whole.checksums[i], tracked.checksums[i]) << "frame " << i << " differs";
    EXPECT_EQ(whole.unchanged, 0);
    EXPECT_GT(tracked.unchanged, 20) << "a still dialog is not drawn again";
    EXPECT_LT(tracked.redrawn, whole.redrawn / 2);
}

TEST(DamageTracking, ADialogOverTheTitleLooksTheSameDrawnWholeOrWhereItChanged) {
    CompareWholeAndTracked(800, 600);
}

TEST(DamageTracking, AtTwiceTheResolutionTheDialogLooksTheSameWholeOrWhereItChanged) {
    CompareWholeAndTracked(1600, 1200);
}

}  // namespace
