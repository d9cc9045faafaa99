// The title screen run through the host's logic steps: the first-run name prompt and how it is
// left, the ring that a click turns the other way, and the web button on a machine without a
// browser opener.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "ScreenHost.h"
#include "host/TLoadingScreen.h"
#include "presentation/TDialogStack.h"
#include "presentation/TMenu.h"
#include "screens/TTitleScreen.h"
#include "store/TIniFile.h"

namespace {

using screen_test::ScreenHost;

const auto* const kMedia = ::testing::AddGlobalTestEnvironment(new screen_test::ScreensEnvironment);

constexpr int KeyEscape = 27;
constexpr int KeyEnter = 13;

struct TitleTest : ::testing::Test {
    ScreenHost host;
    TTitleScreen title{host.game->Parts(), host.Resources};

    void SetUp() override {
        host.game->Paths.ProfilePath = host.Folder.File("profiles/");
        host.game->Paths.MusicPath = widget_test::DataFolder + "music/";
        host.game->Settings.File().FileName = host.Folder.File("quillox");
        title.Player = &host.Player;
        title.LevelSelectScreen = &host.Play;
    }
    // As start-up does it: the title loaded behind the loading screen, then entered.
    void StartUp() {
        title.Preload();
        host.Enter(title);
    }
    void Click(const std::string& button) const {
        const auto found = title.Menu->FindButton(button);
        ASSERT_TRUE(found) << button;
        ClickAt(static_cast<int>(found->x) + 20, static_cast<int>(found->y) + 20);
    }
    // The pointer goes there first: the host reads where a click lands from the pointer.
    void ClickAt(int x, int y) const {
        ScreenHost::PointAt(x, y);
        ScreenHost::ClickAt(x, y);
        host.Step();
    }
    std::string TopDialog() const {
        const TDialog* top = host.game->Dialogs.Top();
        return top ? top->Kind() : std::string();
    }
};

TEST_F(TitleTest, AFirstRunAsksForANameAndNothingElseAnswersUntilItIsGiven) {
    // A file called just ".dat" is no player.
    std::ofstream(host.Folder.File("profiles/.dat")) << "x";
    StartUp();
    ASSERT_EQ(TopDialog(), "TDialogTextInput");
    EXPECT_FALSE(title.Welcome);
    Click("exitgame");
    EXPECT_EQ(host.game->Screens.Current(), &title);
    EXPECT_FALSE(host.game->Fade.Active) << "the buttons wait behind the prompt";

    media::PushText("Zoe");
    host.Step();
    ScreenHost::Press(KeyEnter);
    host.Steps(3);
    EXPECT_EQ(TopDialog(), "");
    ASSERT_TRUE(host.game->Session.Profile);
    EXPECT_EQ(host.game->Settings.ProfileName, "Zoe");
    EXPECT_TRUE(std::filesystem::exists(host.Folder.File("profiles/Zoe.dat")));
    ASSERT_TRUE(title.Welcome);
    EXPECT_EQ(title.Welcome->Text, "Welcome, Zoe");
    std::ifstream ini(host.Folder.File("quillox.ini"));
    const std::string settings((std::istreambuf_iterator<char>(ini)), {});
    EXPECT_NE(settings.find("PROFILE NAME=Zoe\r\n"), std::string::npos) << settings;
}

TEST_F(TitleTest, EscapeOnTheFirstRunPromptLeavesNoPlayerButTheTitleWorks) {
    StartUp();
    ScreenHost::Press(KeyEscape);
    host.Steps(3);
    EXPECT_EQ(TopDialog(), "");
    EXPECT_FALSE(host.game->Session.Profile);
    EXPECT_FALSE(title.Welcome);
    EXPECT_EQ(host.game->Screens.Current(), &title) << "Escape went to the prompt, not the exit";
    Click("changeplayer");
    EXPECT_EQ(TopDialog(), "TPlayerManager");
}

TEST_F(TitleTest, ARememberedPlayerIsLoadedWithoutAPromptAndABadNameReplaced) {
    host.SelectPlayer("Bob");
    host.SelectPlayer("Ann");
    host.game->Session.Profile.reset();
    host.game->Settings.ProfileName = "Bob";
    StartUp();
    EXPECT_EQ(TopDialog(), "");
    ASSERT_TRUE(host.game->Session.Profile);
    EXPECT_EQ(host.game->Session.Profile->Name, "Bob");
    EXPECT_EQ(title.Welcome->Text, "Welcome, Bob");
    EXPECT_FALSE(std::filesystem::exists(host.Folder.File("quillox.ini")))
        << "nothing changed, nothing saved";

    // A remembered name that cannot be a player's (a hand-edited settings file): the first
    // player on file takes over and is remembered.
    host.game->Settings.ProfileName = "../Bob";
    host.game->Session.Profile.reset();
    StartUp();
    EXPECT_EQ(host.game->Session.Profile->Name, "Ann");
    EXPECT_EQ(host.game->Settings.ProfileName, "Ann");
    std::ifstream ini(host.Folder.File("quillox.ini"));
    const std::string settings((std::istreambuf_iterator<char>(ini)), {});
    EXPECT_NE(settings.find("PROFILE NAME=Ann\r\n"), std::string::npos) << settings;
}

TEST_F(TitleTest, AClickOnTheRingTurnsItTheOtherWay) {
    host.SelectPlayer("Ann");
    host.Enter(title);
    host.Steps(8);
    const float turned = title.GBRingRot;
    EXPECT_GT(turned, 1.5f);
    ClickAt(239, 300);
    host.Steps(4);
    EXPECT_EQ(title.RotDirect, 1);
    EXPECT_LT(title.GBRingRot, turned);
    ClickAt(600, 560);  // outside the ring
    EXPECT_EQ(title.RotDirect, 1);
}

TEST_F(TitleTest, MoreGamesAsksFirstAndSaysSoWhenNoBrowserCanBeOpened) {
    host.SelectPlayer("Ann");
    host.game->Settings.FullScreen = 0;
    host.Enter(title);
    const std::string path = std::getenv("PATH") ? std::getenv("PATH") : "";
    setenv("PATH", host.Folder.Path().c_str(), 1);
    Click("moregames");
    EXPECT_EQ(TopDialog(), "TDialogYesNo");
    const float turned = title.GBRingRot;
    host.Steps(5);
    EXPECT_EQ(title.GBRingRot, turned) << "the ring stands still under a dialog";
    ScreenHost::Press(KeyEnter);
    host.Steps(2);
    setenv("PATH", path.c_str(), 1);
    ASSERT_EQ(TopDialog(), "TDialogOK");
    EXPECT_NE(host.game->Dialogs.Describe().back().Caption.find("bexholt.example"),
              std::string::npos);
    EXPECT_EQ(host.game->Screens.Current(), &title);
}

}  // namespace
