// The high-score table's mark on the row the last name entry added: drawn on that row only,
// and gone after leaving by any of the screen's buttons.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "ScreenHost.h"
#include "game/GameResources.h"
#include "presentation/TDialogStack.h"
#include "presentation/TMenu.h"
#include "screens/THighScoresScreen.h"
#include "screens/TLevelStatsScreen.h"
#include "store/THighScoreList.h"

namespace {

using screen_test::ScreenHost;

const auto* const kMedia = ::testing::AddGlobalTestEnvironment(new screen_test::ScreensEnvironment);

struct HighScoresTest : ::testing::Test {
    ScreenHost host;
    THighScoresScreen table{host.game->Parts(), host.Resources};
    TLevelStatsScreen stats{host.game->Parts(), host.Resources};

    void SetUp() override {
        host.Resources.SetPaths(host.game->Presentation.ImagePath,
                                host.game->Presentation.SoundPath);
        LoadGameImages(host.Resources);
        host.game->Session.HighScores.emplace(
            THighScoreList::Create(host.Folder.File("zindles"), 12));
        host.game->Session.HighScores->Load();
        table.TitleScreen = &host.Blank;
        table.LevelStatsScreen = &stats;
        stats.HighScoresScreen = &table;
    }
    void TearDown() override { host.game->Dialogs.Clear(); }

    // A name entry's result: the last row gives way and the new row is marked.
    void Enter(int score) const {
        THighScoreList& list = *host.game->Session.HighScores;
        list.RemoveLast();
        list.NewHighScoreIndex = list.Insert("Kit", score, 3);
        list.Save();
    }
    // The current screen drawn, and kept beside the build for a look by eye.
    media::Pixmap Frame(const std::string& name) const {
        host.game->Screens.Current()->Draw();
        media::Pixmap frame = media::GrabPixmap(0, 0, 800, 600);
        const auto folder = std::filesystem::path(QUILLOX_BUILD_DIR) / "screen-pictures";
        std::filesystem::create_directories(folder);
        const auto png = media::EncodePNG(frame);
        std::ofstream(folder / (name + ".png"), std::ios::binary)
            .write(reinterpret_cast<const char*>(png.data()),
                   static_cast<std::streamsize>(png.size()));
        return frame;
    }
    // Pixels beside row `row` (1 to 10) that differ between two frames.
    static int MarkPixels(const media::Pixmap& a, const media::Pixmap& b, int row) {
        int count = 0;
        const int top = (row - 1) * 36 + 136;
        for (int y = top; y < top + 36; ++y) {
            for (int x = 30; x < 78; ++x) count += a.At(x, y) != b.At(x, y) ? 1 : 0;
        }
        return count;
    }
    void Click(const std::string& button) const {
        const auto found = table.Menu->FindButton(button);
        ASSERT_TRUE(found);
        const int x = static_cast<int>(found->x) + found->w / 2;
        const int y = static_cast<int>(found->y) + found->h / 2;
        ScreenHost::PointAt(x, y);
        host.Step();
        ScreenHost::ClickAt(x, y);
        host.Step();
    }
};

TEST_F(HighScoresTest, TheNewRowIsMarkedUntilAButtonLeavesOrClears) {
    host.Enter(table);
    const media::Pixmap plain = Frame("highscores");
    Enter(55);
    ASSERT_EQ(host.game->Session.HighScores->NewHighScoreIndex, 6);
    const media::Pixmap marked = Frame("highscores-new-row");
    EXPECT_GT(MarkPixels(plain, marked, 6), 100);
    for (int row : {1, 5, 7, 10}) EXPECT_EQ(MarkPixels(plain, marked, row), 0) << row;

    // Clearing asks first; the mark is gone either way.
    Click("clear");
    EXPECT_EQ(host.game->Session.HighScores->NewHighScoreIndex, 0);
    ASSERT_FALSE(host.game->Dialogs.Empty());
    host.game->Dialogs.Clear();
    EXPECT_EQ(host.game->Session.HighScores->Entries()[5].name, "Kit");

    for (const char* button : {"levelstats", "OK"}) {
        SCOPED_TRACE(button);
        host.Enter(table);
        ASSERT_EQ(host.game->Screens.Current(), &table);
        Enter(95);
        Click(button);
        host.Steps(2);
        EXPECT_EQ(host.game->Session.HighScores->NewHighScoreIndex, 0) << button;
        EXPECT_NE(host.game->Screens.Current(), &table) << button;
    }
    EXPECT_EQ(host.game->Session.HighScores->Count(), THighScoreList::TableSize);
}

TEST_F(HighScoresTest, ClearingATableThatCannotBeWrittenEndsTheProgramNamingIt) {
    host.game->Session.HighScores->filepath = host.Folder.File("gone/zindles.dat");
    EXPECT_EXIT(table.ClearHighScores(), ::testing::ExitedWithCode(1),
                "Failed to save file .*gone/zindles.dat");
}

}  // namespace
