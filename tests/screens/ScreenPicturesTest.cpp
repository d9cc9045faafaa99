// Each screen drawn on the headless canvas and kept as a PNG beside the build for a look by
// eye; the checks catch an overlay or text that is not drawn at all, or a line of the
// instructions too wide for its box.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "ScreenHost.h"
#include "game/GameResources.h"
#include "host/TLoadingScreen.h"
#include "screens/TCreditsScreen.h"
#include "screens/TGameFinishedScreen.h"
#include "screens/TGameOverScreen.h"
#include "screens/TInstructionsScreen.h"
#include "screens/TLevelCompleteScreen.h"
#include "screens/TLevelSelectScreen.h"
#include "screens/TTitleScreen.h"
#include "store/Progress.h"
#include "store/THighScoreList.h"
#include "store/TSaveBest.h"

namespace {

using screen_test::ScreenHost;

const auto* const kMedia = ::testing::AddGlobalTestEnvironment(new screen_test::ScreensEnvironment);

// Draws the current screen as the host does and keeps the frame as a PNG.
media::Pixmap Picture(const ScreenHost& host, const std::string& name) {
    host.game->Screens.Current()->Draw();
    media::Pixmap frame = media::GrabPixmap(0, 0, 800, 600);
    const auto folder = std::filesystem::path(QUILLOX_BUILD_DIR) / "screen-pictures";
    std::filesystem::create_directories(folder);
    const auto png = media::EncodePNG(frame);
    std::ofstream(folder / (name + ".png"), std::ios::binary)
        .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    return frame;
}

int Brightness(std::uint32_t pixel) {
    return static_cast<int>(((pixel >> 16) & 0xFF) + ((pixel >> 8) & 0xFF) + (pixel & 0xFF));
}

// Pixels of the area that differ between two frames.
int Differing(const media::Pixmap& a, const media::Pixmap& b, int x, int y, int w, int h) {
    int count = 0;
    for (int row = y; row < y + h; ++row) {
        for (int col = x; col < x + w; ++col) count += a.At(col, row) != b.At(col, row) ? 1 : 0;
    }
    return count;
}

TEST(ScreenPictures, TheInGameMenuDimsTheBoardAndShowsItsButtons) {
    ScreenHost host;
    TGameMenu menu{host.game->Parts()};
    host.Play.GameMenu = &menu;
    host.Enter(host.Play);
    const media::Pixmap board = Picture(host, "play-without-menu");
    menu.Show(1);
    host.Steps(20);
    const media::Pixmap halfway = Picture(host, "game-menu-fading-in");
    host.Steps(30);
    ScreenHost::PointAt(400, 270);
    host.Step();
    const media::Pixmap open = Picture(host, "game-menu");
    const int before = Brightness(board.At(20, 20));
    EXPECT_NEAR(Brightness(open.At(20, 20)), before / 2, 6) << "half-dark backdrop";
    EXPECT_GT(Brightness(halfway.At(20, 20)), Brightness(open.At(20, 20)));
    EXPECT_GT(Differing(board, open, 265, 249, 270, 102), 20000) << "the buttons are drawn";
}

TEST(ScreenPictures, TitleLevelSelectAndEndOfLevelScreens) {
    ScreenHost host;
    host.Resources.SetPaths(screen_test::DataFolder + "graphics/",
                            screen_test::DataFolder + "sound/");
    LoadGameSounds(host.Resources);
    LoadGameImages(host.Resources);
    host.game->Session.HighScores.emplace(THighScoreList::Create(host.Folder.File("zindles"), 12));
    host.game->Session.HighScores->Load();
    host.game->Session.Best.emplace(TSaveBest::Create(host.Folder.Path()));
    host.SelectPlayer("Ann");
    host.game->Settings.ProfileName = "Ann";
    ProgressGameStart(host.Player, host.game->Session.Profile.get());
    TTitleScreen start{host.game->Parts(), host.Resources};
    start.Player = &host.Player;
    start.LevelSelectScreen = &host.Play;
    host.Enter(start);
    const media::Pixmap title = Picture(host, "title");

    TLevelSelectScreen select{host.game->Parts(), host.Resources};
    select.Player = &host.Player;
    select.PlayScreen = &host.Play;
    host.Player.Unlocked = 6;
    host.Player.Level = 4;
    host.Player.SaveData.FirstTime = 0;
    host.Enter(select);
    ScreenHost::PointAt(static_cast<int>(select.Coords[8].x), static_cast<int>(select.Coords[8].y));
    host.Steps(120);
    const media::Pixmap levels = Picture(host, "level-select");
    EXPECT_EQ(select.MOIndex, 8);
    EXPECT_GT(Differing(levels, title, 594, 159, 171, 147), 5000) << "the small machine";

    TLevelCompleteScreen complete{host.game->Parts(), host.Resources};
    complete.Player = &host.Player;
    complete.LevelSelectScreen = &select;
    host.Player.Level = 1;
    ProgressLevelStart(host.Player);
    host.Player.TimeTaken = 20600;
    ProgressLevelWon(host.Player, 734, *host.game->Session.Best);
    host.Enter(complete);
    host.Steps(20);
    Picture(host, "level-complete-sliding");
    host.Steps(200);
    const media::Pixmap won = Picture(host, "level-complete");

    TGameOverScreen over{host.game->Parts(), host.Resources};
    over.Player = &host.Player;
    ProgressLevelStart(host.Player);
    host.Player.TimeTaken = 5000;
    ProgressLevelLost(host.Player);
    host.Enter(over);
    host.Steps(200);
    const media::Pixmap lost = Picture(host, "game-over");
    ASSERT_EQ(over.High->HighScore, 1);
    over.Kill();

    TGameFinishedScreen finished{host.game->Parts(), host.Resources};
    finished.Player = &host.Player;
    host.Player.Score = 0;
    host.Enter(finished);
    host.Steps(200);
    const media::Pixmap done = Picture(host, "game-finished");
    EXPECT_EQ(finished.GameTotals->StartY, 232) << "no name entry: the totals in the middle";

    // The result lines sit in the middle band, the best results below them, the name entry
    // below the totals.
    EXPECT_GT(Differing(won, lost, 100, 182, 600, 135), 2000);
    EXPECT_GT(Differing(won, title, 100, 395, 600, 70), 2000);
    EXPECT_GT(Differing(lost, done, 100, 330, 600, 140), 2000);
}

TEST(ScreenPictures, TheCreditsStandOneLineApart) {
    ScreenHost host;
    host.Resources.SetPaths(screen_test::DataFolder + "graphics/",
                            screen_test::DataFolder + "sound/");
    TCreditsScreen credits{host.game->Parts(), host.Resources};
    host.Enter(credits);
    const media::Pixmap page = Picture(host, "credits");
    // Pixels of a heading's green in the band of the line whose top is at y.
    const auto green = [&page](int y) {
        int count = 0;
        for (int row = y + 4; row <= y + 28; ++row) {
            for (int col = 100; col < 700; ++col) {
                const std::uint32_t pixel = page.At(col, row);
                const bool isGreen = ((pixel >> 8) & 0xFF) > 200 && ((pixel >> 16) & 0xFF) < 60 &&
                                     (pixel & 0xFF) < 60;
                count += isGreen ? 1 : 0;
            }
        }
        return count;
    };
    // Headings at 174, 282 and 354, each with its name on the next line.
    for (const int heading : {174, 282, 354}) EXPECT_GT(green(heading), 50) << heading;
    for (const int other : {138, 210, 246, 318, 390, 426, 462}) EXPECT_EQ(green(other), 0) << other;
}

TEST(ScreenPictures, EveryInstructionLineFitsItsBoxUpToTheKeysAtTheEnd) {
    ScreenHost host;
    host.Resources.SetPaths(screen_test::DataFolder + "graphics/",
                            screen_test::DataFolder + "sound/");
    LoadGameImages(host.Resources);
    TInstructionsScreen help{host.game->Parts(), host.Resources};
    host.Enter(help);
    ASSERT_TRUE(help.Hdialog && host.Resources.FontMedium);
    const auto room = static_cast<double>(help.Hdialog->w) - 2 * TInstructionsScreen::TextLeft;
    for (int page = 1; page <= InstructionPageCount; ++page) {
        for (const std::string_view line :
             InstructionPages()[static_cast<size_t>(page - 1)].Lines) {
            EXPECT_LE(host.Resources.FontMedium->StringWidth(std::string(line)) *
                          TInstructionsScreen::TextScale,
                      room)
                << "page " << page << ": " << line;
        }
    }
    help.Hoff = TInstructionsScreen::LastHoff;
    const media::Pixmap last = Picture(host, "instructions-keys");
    // The box's text is drawn: yellow in the band of its first line.
    int yellow = 0;
    for (int row = 215; row < 240; ++row) {
        for (int col = 220; col < 600; ++col) {
            const std::uint32_t pixel = last.At(col, row);
            yellow +=
                ((pixel >> 16) & 0xFF) > 200 && ((pixel >> 8) & 0xFF) > 200 && (pixel & 0xFF) < 140
                    ? 1
                    : 0;
        }
    }
    EXPECT_GT(yellow, 100);
}

TEST(ScreenPictures, TheLoadingScreenShowsItsBarThenItsButton) {
    ScreenHost host;
    TLoadingScreen loading{host.game->Parts()};
    loading.SpecialLoad("loadingscreen.png", "loadingbar.png", "loading.png");
    loading.LoadingBar.Centre(283);
    loading.LoadingBar.Mode = 1;
    loading.SetSteps(65);
    loading.SetClickHereButton("clickhere", "clickhereMO", "buttonMO", "buttonClick", 283);
    ASSERT_TRUE(loading.LoadingBar.EmptyImage) << "the bar's empty look is found beside it";
    for (int step = 0; step < 30; ++step) loading.Progress();
    host.game->Screens.First(loading);
    const media::Pixmap loadingBar = Picture(host, "loading-bar");
    for (int step = 30; step < 65; ++step) loading.Progress();
    EXPECT_EQ(loading.Finished, 1);
    const media::Pixmap done = Picture(host, "loading-done");
    const int barX = loading.LoadingBar.x;
    // Under the bar's filled part, beyond it, and the loading text below: all give way to the
    // button.
    EXPECT_GT(Differing(loadingBar, done, barX, 283, 100, 32), 1500);
    EXPECT_GT(Differing(loadingBar, done, barX + 250, 283, 100, 32), 1500);
    EXPECT_GT(Differing(loadingBar, done, 300, 285, 200, 30), 2000);
    loading.Kill();
}

}  // namespace
