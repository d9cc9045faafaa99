// The in-game menu over the play screen: opening and closing with Escape and resume, the fades
// that turn back half-way, options kept out until their screens exist, the excursion that
// keeps the board, and save-and-exit leaving the profile as it was when the level was chosen.

#include <gtest/gtest.h>

#include "ScreenHost.h"
#include "presentation/TMenu.h"
#include "store/Progress.h"

namespace {

using screen_test::ScreenHost;

const auto* const kMedia = ::testing::AddGlobalTestEnvironment(new screen_test::ScreensEnvironment);

constexpr int KeyEscape = 27;
constexpr int KeyEnter = 13;

struct GameMenuTest : ::testing::Test {
    ScreenHost host;
    TGameMenu menu{host.game->Parts()};
    TScreen title{host.game->Parts()};

    void SetUp() override {
        title.name = "title";
        menu.PlayScreen = &host.Play;
        menu.TitleScreen = &title;
        host.Play.GameMenu = &menu;
    }
    // The centre of a button of the menu.
    std::pair<int, int> Centre(const std::string& name) const {
        const auto button = menu.Menu->FindButton(name);
        EXPECT_TRUE(button) << name;
        if (!button) return {0, 0};
        return {static_cast<int>(button->x) + button->w / 2,
                static_cast<int>(button->y) + button->h / 2};
    }
    void ClickButton(const std::string& name) const {
        const auto [x, y] = Centre(name);
        ScreenHost::PointAt(x, y);
        host.Step();
        ScreenHost::ClickAt(x, y);
        host.Step();
    }
};

TEST_F(GameMenuTest, OffersOnlyWhatExistsCentredOnTheScreen) {
    host.Enter(host.Play);
    ASSERT_TRUE(menu.Menu);
    ASSERT_EQ(menu.Menu->Buttons.size(), 2u);
    EXPECT_EQ(menu.Menu->Buttons[0]->name, "RESUME");
    EXPECT_EQ(menu.Menu->Buttons[1]->name, "SAVEANDEXIT");
    EXPECT_EQ(menu.Menu->CalcTop(), (600 - 102) / 2);
    EXPECT_EQ(menu.Menu->CalcLeft(), (800 - 270) / 2);
    EXPECT_EQ(menu.Active, 0);

    // Once the options and instructions screens exist, their buttons join in order.
    TScreen options{host.game->Parts()}, instructions{host.game->Parts()};
    menu.OptionsScreen = &options;
    menu.InstructionsScreen = &instructions;
    menu.Load();
    ASSERT_EQ(menu.Menu->Buttons.size(), 4u);
    EXPECT_EQ(menu.Menu->Buttons[1]->name, "OPTIONS");
    EXPECT_EQ(menu.Menu->Buttons[2]->name, "INSTRUCTIONS");
    EXPECT_EQ(menu.Menu->CalcTop(), (600 - 214) / 2);
}

TEST_F(GameMenuTest, EscapeOpensAndClosesWithTheFadeTurningBackHalfWay) {
    host.Enter(host.Play);
    host.Mouse().Off();
    ScreenHost::Press(KeyEscape);
    host.Step();
    EXPECT_EQ(menu.Active, 1);
    EXPECT_EQ(host.Mouse().Active, 1) << "the pointer is on while the menu is open";
    EXPECT_EQ(host.game->Screens.Current(), &host.Play) << "the host did not leave the screen";
    const int ownSteps = host.Play.OwnSteps;

    host.Steps(20);  // half of the 200 ms fade-in
    EXPECT_NEAR(menu.FadeIn.GetRatioInv(), 0.5f, 0.03f);
    ScreenHost::Press(KeyEscape);
    host.Step();
    EXPECT_EQ(menu.FadeIn.Active, 0);
    ASSERT_EQ(menu.FadeOut.Active, 1);
    EXPECT_NEAR(menu.FadeOut.GetRatio(), 0.5f, 0.03f) << "shown as much as it was";
    EXPECT_EQ(menu.Active, 1) << "still drawn while it fades";
    EXPECT_EQ(host.Mouse().Active, 0) << "the pointer is off again as before";

    // Escape while the menu fades out does not reopen it later.
    ScreenHost::Press(KeyEscape);
    host.Steps(15);
    EXPECT_EQ(menu.Active, 1);
    EXPECT_EQ(host.Play.OwnSteps, ownSteps) << "the board stays frozen until the menu is gone";
    host.Steps(10);
    EXPECT_EQ(menu.Active, 0);
    EXPECT_GT(host.Play.OwnSteps, ownSteps);
    host.Steps(5);
    EXPECT_EQ(menu.Active, 0);
}

TEST_F(GameMenuTest, ResumeByClickOrEnterAfterTheMenuHasFadedIn) {
    host.Enter(host.Play);
    menu.Show(1);
    host.Steps(40);
    EXPECT_EQ(menu.FadeIn.Active, 0);
    ClickButton("resume");
    EXPECT_EQ(menu.FadeOut.Active, 1);
    host.Steps(40);
    EXPECT_EQ(menu.Active, 0);

    menu.Show(0);
    host.Steps(41);
    ScreenHost::Press(KeyEnter);
    host.Step();
    EXPECT_EQ(menu.FadeOut.Active, 1) << "resume answers to Enter";
}

TEST_F(GameMenuTest, SaveAndExitKeepsTheProfileAsChosenAndLeavesForTheTitle) {
    host.SelectPlayer("Ann");
    ProgressGameStart(host.Player, host.game->Session.Profile.get());
    host.Player.Unlocked = 7;
    host.Player.Score = 2400;
    host.Player.TotalTimeTaken = 48000;
    ASSERT_TRUE(ProgressLevelChosen(host.Player, host.game->Session.Profile.get(), 7));
    host.Enter(host.Play);
    ProgressLevelStart(host.Player);
    // Half a level played: none of it may reach the profile.
    host.Player.Score = 9999;
    host.Player.TimeTaken = 5000;
    host.Play.StopKill = true;

    menu.Show(1);
    host.Steps(40);
    ClickButton("saveandexit");
    EXPECT_EQ(host.game->Screens.Destination(), &title);
    EXPECT_FALSE(host.Play.StopKill) << "the abandoned board is dropped";
    host.Step();
    EXPECT_EQ(host.game->Screens.Current(), &title);
    EXPECT_EQ(host.Play.Kills, 1);
    EXPECT_EQ(menu.Active, 0);

    const auto saved = host.ProfileOnDisk("Ann");
    EXPECT_EQ(saved->CurrentLevel, 7);
    EXPECT_EQ(saved->Score, 2400);
    EXPECT_EQ(saved->TimeTaken, 48000);
}

TEST_F(GameMenuTest, OptionsKeepThePlayScreenAsItStandsAndReturnToIt) {
    TScreen options{host.game->Parts()};
    options.name = "options";
    menu.OptionsScreen = &options;
    host.Enter(host.Play);
    menu.Show(1);
    host.Steps(40);
    ClickButton("options");
    EXPECT_TRUE(host.Play.StopKill);
    EXPECT_TRUE(host.Play.StopInit);
    host.Step();
    EXPECT_EQ(host.game->Screens.Current(), &options);
    EXPECT_EQ(host.Play.Kills, 0);

    TScreen* back = host.game->Screens.PopReturn(nullptr);
    EXPECT_EQ(back, &host.Play) << "options lead back to the play screen";
    host.Enter(*back);
    EXPECT_EQ(host.Play.Loads, 1) << "the board was neither dropped nor reloaded";
    EXPECT_EQ(host.Play.Starts, 1);
    EXPECT_FALSE(host.Play.StopKill || host.Play.StopInit) << "back home, the marks are cleared";
    EXPECT_EQ(menu.Active, 1) << "play goes on where it stopped: behind the open menu";
}

TEST_F(GameMenuTest, TakesNoClickWhileTheHostFades) {
    host.Enter(host.Play);
    menu.Show(1);
    host.Steps(40);
    const auto [x, y] = Centre("resume");
    ScreenHost::PointAt(x, y);
    host.Step();
    host.game->Fade.Init(1000, 0, nullptr, 1, 0);
    host.Mouse().ButtonDown(1);
    menu.Logic();
    EXPECT_EQ(menu.FadeOut.Active, 0);
    EXPECT_EQ(host.Mouse().GetMh(0), 1);
    host.game->Fade.Finish();
}

}  // namespace
