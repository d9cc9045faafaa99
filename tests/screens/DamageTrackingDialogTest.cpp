// The title screen drawn frame by frame as the host draws it: its ring turning (and turned back
// by a click) long enough for the still layers under it to be kept, then a dialog over it:
// opened, pointed at across its buttons, answered and gone. Every frame shown must be the same
// whether the media layer draws it whole or only where it changed, and the tracked run must
// spare most of it; in an 800x600 window and in a 1600x1200 one, drawn at twice the resolution.

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "ScreenHost.h"
#include "presentation/TDialogStack.h"
#include "screens/GameDialogs.h"
#include "screens/TTitleScreen.h"
#include "store/Progress.h"

namespace {

using screen_test::ScreenHost;

const auto* const kMedia = ::testing::AddGlobalTestEnvironment(new screen_test::ScreensEnvironment);

struct Frames {
    std::vector<std::uint64_t> checksums;
    long redrawn = 0;
    int unchanged = 0;
};

// Logic steps and one frame through the host's own drawing, read back after the flip.
void StepAndDraw(const ScreenHost& host, Frames& frames, int steps = 1) {
    for (int i = 0; i < steps; ++i) host.Step();
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
    // Under the dialog the ring stands still.
    TTitleScreen title{host.game->Parts(), host.Resources};
    title.Player = &host.Player;
    host.Enter(title);
    // Five steps a frame, so the ring is drawn anew in each.
    for (int i = 0; i < 45; ++i) StepAndDraw(host, frames, 5);
    ScreenHost::PointAt(239, 300);
    ScreenHost::ClickAt(239, 300);
    for (int i = 0; i < 20; ++i) StepAndDraw(host, frames, 5);
    EXPECT_EQ(title.RotDirect, 1) << "the click turned the ring back";
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
    title.Kill();
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
