// The screens that stand around play until the real ones come: the start screen, the
// level-complete and the game-over screens. What each books in the player's record and
// profile, what it shows, where OK, a click and Escape lead; times as the game shows them.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ScreenHost.h"
#include "presentation/TMenu.h"
#include "screens/TGameOverScreen.h"
#include "screens/TLevelCompleteScreen.h"
#include "screens/TStartScreen.h"
#include "screens/TimeText.h"
#include "store/BestResults.h"
#include "store/Progress.h"
#include "store/TSaveBest.h"

namespace {

using screen_test::ScreenHost;

const auto* const kMedia = ::testing::AddGlobalTestEnvironment(new screen_test::ScreensEnvironment);

constexpr int KeyEscape = 27;
constexpr int KeyEnter = 13;

TEST(TicksAsTime, ShowsMinutesAndTwoDigitSecondsOfWholeSeconds) {
    EXPECT_EQ(TicksAsTime(13000, 5), "1:05");
    EXPECT_EQ(TicksAsTime(13199, 5), "1:05") << "part seconds are dropped";
    EXPECT_EQ(TicksAsTime(0, 5), "0:00");
    EXPECT_EQ(TicksAsTime(150000, 5), "12:30");
    EXPECT_EQ(TicksAsTime(-40, 5), "0:00");
    EXPECT_EQ(TicksAsTime(std::nan(""), 5), "0:00");
    EXPECT_EQ(TicksAsTime(std::numeric_limits<double>::infinity(), 5), "0:00");
    EXPECT_EQ(TicksAsTime(2147483647.0, 5), "178956:58") << "the largest record fits";
}

struct StandInTest : ::testing::Test {
    ScreenHost host;
    TStartScreen start{host.Resources};
    TLevelCompleteScreen complete{host.Resources};
    TGameOverScreen over{host.Resources};
    TSaveBest best = TSaveBest::Create(host.Folder.Path());

    void SetUp() override {
        host.game->MaxLevels = 15;
        start.Player = &host.Player;
        start.PlayScreen = &host.Play;
        for (TResultScreen* screen :
             {static_cast<TResultScreen*>(&complete), static_cast<TResultScreen*>(&over)}) {
            screen->Player = &host.Player;
            screen->PlayScreen = &host.Play;
            screen->TitleScreen = &start;
        }
        host.SelectPlayer("Ann");
        ProgressGameStart(host.Player, host.game->CurrentProfile.get());
    }

    // A level played to its end on the play screen: won with levelScore, or lost.
    void Play(int level, int levelScore, float ticks, bool won) {
        host.Player.Level = level;
        host.Player.Unlocked = std::max(host.Player.Unlocked, level);
        ASSERT_TRUE(ProgressLevelChosen(host.Player, host.game->CurrentProfile.get(), level));
        host.Enter(host.Play);
        ProgressLevelStart(host.Player);
        host.Player.TimeTaken = ticks;
        if (won) {
            ProgressLevelWon(host.Player, levelScore, best);
        } else {
            ProgressLevelLost(host.Player);
        }
    }
    void ClickSomewhere() const {
        ScreenHost::ClickAt(100, 100);
        host.Step();
    }
};

TEST_F(StandInTest, LevelCompleteStoresTheNextLevelShowsTheResultsAndPlaysOn) {
    host.Player.Score = 1500;
    Play(3, 870, 13000, true);
    host.Enter(complete);
    EXPECT_EQ(host.Player.Level, 4);
    EXPECT_EQ(host.Player.Unlocked, 4);
    EXPECT_EQ(complete.GameFinished, 0);
    EXPECT_EQ(complete.StatsLevel, 2);
    const auto saved = host.ProfileOnDisk("Ann");
    EXPECT_EQ(saved->CurrentLevel, 4);
    EXPECT_EQ(saved->LockedLevel, 5);
    EXPECT_EQ(saved->Score, 2370);
    EXPECT_EQ(saved->TimeTaken, 13000);

    ASSERT_EQ(complete.Results.Lines.size(), 3u);
    EXPECT_EQ(complete.Results.Lines[0].Label, "Total Score");
    EXPECT_EQ(complete.Results.Lines[0].Value, "2370");
    EXPECT_EQ(complete.Results.Lines[1].Label, "Level 3 Score");
    EXPECT_EQ(complete.Results.Lines[1].Value, "870");
    EXPECT_EQ(complete.Results.Lines[2].Label, "Level 3 Time");
    EXPECT_EQ(complete.Results.Lines[2].Value, "1:05");
    EXPECT_EQ(complete.Results.StartY, 182);
    EXPECT_EQ(complete.Results.col1, (800 - complete.Results.w) / 2);
    EXPECT_EQ(NewScoreMark, "New ");
    EXPECT_EQ(BestLevelScores[2], 870);

    // The lines slide in and come to rest in their column.
    EXPECT_LT(complete.Results.LineX(0), 0);
    host.Steps(200);
    EXPECT_TRUE(complete.Results.Arrived());
    EXPECT_EQ(complete.Results.LineX(2), complete.Results.col1);

    const int playLoads = host.Play.Loads;
    ClickSomewhere();
    EXPECT_EQ(host.game->DestinationTScreen, &host.Play);
    host.Step();
    EXPECT_EQ(host.game->CurrentTScreen, &host.Play);
    EXPECT_EQ(host.Play.Loads, playLoads + 1) << "the next level starts afresh";
    EXPECT_EQ(host.Player.Level, 4);
}

TEST_F(StandInTest, WinningTheLastLevelFinishesTheGameAndLeadsToTheTitle) {
    Play(15, 500, 2000, true);
    host.Enter(complete);
    EXPECT_EQ(complete.GameFinished, 1);
    EXPECT_EQ(host.Player.Level, 15);
    EXPECT_EQ(complete.Results.Lines[1].Label, "Level 15 Score");
    const auto saved = host.ProfileOnDisk("Ann");
    EXPECT_EQ(saved->CurrentLevel, 1);
    EXPECT_EQ(saved->Score, 0);
    EXPECT_GT(saved->LockedLevel, 15) << "every level stays open";

    // Enter presses the OK button.
    ScreenHost::Press(KeyEnter);
    host.Step();
    EXPECT_EQ(host.game->DestinationTScreen, &start);
    host.Step();
    EXPECT_EQ(host.game->CurrentTScreen, &start);
    EXPECT_EQ(host.Player.Level, 1) << "the title resumes where the profile now stands";
}

TEST_F(StandInTest, EscapeOnLevelCompleteGoesWhereOKGoes) {
    Play(2, 300, 1000, true);
    host.Enter(complete);
    ScreenHost::Press(KeyEscape);
    host.Step();
    host.Step();
    EXPECT_EQ(host.game->CurrentTScreen, &host.Play);
    EXPECT_EQ(host.Player.Level, 3);
}

TEST_F(StandInTest, GameOverResetsTheProfileKeepsTheTotalsAndStartsANewGame) {
    Play(1, 700, 1000, true);
    host.Enter(complete);
    Play(2, 0, 12000, false);
    host.Enter(over);
    const auto saved = host.ProfileOnDisk("Ann");
    EXPECT_EQ(saved->CurrentLevel, 1);
    EXPECT_EQ(saved->Score, 0);
    EXPECT_EQ(saved->LockedLevel, 3) << "the levels reached stay open";
    ASSERT_EQ(over.Results.Lines.size(), 3u);
    EXPECT_EQ(over.Results.Lines[0].Value, "700") << "the totals are the game's";
    EXPECT_EQ(over.Results.Lines[1].Label, "Total Time");
    EXPECT_EQ(over.Results.Lines[1].Value, "1:05");
    EXPECT_EQ(over.Results.Lines[2].Value, "2");

    // OK by the button itself.
    const auto button = over.Menu->FindButton("OK");
    ASSERT_TRUE(button);
    EXPECT_EQ(button->y, 525);
    EXPECT_EQ(button->x, (800 - button->w) / 2);
    ScreenHost::PointAt(400, 540);
    host.Step();
    ScreenHost::ClickAt(400, 540);
    host.Step();
    host.Step();
    EXPECT_EQ(host.game->CurrentTScreen, &host.Play);
    EXPECT_EQ(host.Player.Level, 1);
    EXPECT_EQ(host.Player.Score, 0);
    EXPECT_EQ(host.Player.Unlocked, 2);
}

TEST_F(StandInTest, EscapeOnGameOverLeadsToTheTitleWithoutStartingAGame) {
    Play(1, 0, 100, false);
    host.Enter(over);
    ScreenHost::Press(KeyEscape);
    host.Step();
    host.Step();
    EXPECT_EQ(host.game->CurrentTScreen, &start);
}

TEST_F(StandInTest, StartScreenResumesTheProfilesLevelOnAClick) {
    Play(1, 400, 100, true);
    host.Enter(complete);
    ClickSomewhere();
    host.Step();
    // The player leaves the program during level 2 and comes back.
    host.Enter(start);
    EXPECT_EQ(host.Player.Level, 2) << "shown before the click";
    EXPECT_EQ(host.Player.Score, 400);
    host.Player.SaveData.FirstTime = 1;
    ClickSomewhere();
    EXPECT_EQ(host.game->DestinationTScreen, &host.Play);
    host.Step();
    EXPECT_EQ(host.game->CurrentTScreen, &host.Play);
    EXPECT_EQ(host.Player.Level, 2);
    EXPECT_EQ(host.Player.SaveData.FirstTime, 0) << "choosing the level counts as a first start";
    EXPECT_EQ(host.ProfileOnDisk("Ann")->CurrentLevel, 2);
}

TEST_F(StandInTest, StandInsWithoutTheirWiringStayPut) {
    TStartScreen lonely{host.Resources};
    host.Enter(lonely);
    ClickSomewhere();
    ScreenHost::Press(KeyEnter);
    host.Step();
    EXPECT_EQ(host.game->CurrentTScreen, &lonely);
    EXPECT_FALSE(host.game->GameFade->Active);

    TLevelCompleteScreen unwired{host.Resources};
    host.Enter(unwired);
    EXPECT_TRUE(unwired.Results.Lines.empty());
    ClickSomewhere();
    host.Step();
    EXPECT_EQ(host.game->CurrentTScreen, &unwired);
}

}  // namespace
