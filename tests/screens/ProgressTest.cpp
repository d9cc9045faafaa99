#include <cmath>
#include <filesystem>
#include <limits>

#include "screens/PlayerSelect.h"
#include "store/Progress.h"
#include "store/RecordsTestSupport.h"
#include "store/TPlayer.h"
#include "store/TProfile.h"
#include "store/TSaveBest.h"

namespace {

using records_test::RecordsTest;

constexpr std::size_t ProfileFieldBytes = 40 + TProfile::MAX_HINTS * 4;

class ProgressTest : public RecordsTest {
protected:
    void SetUp() override {
        RecordsTest::SetUp();
        std::filesystem::create_directory(Folder.File("profiles"));
    }
    void TearDown() override { RecordsTest::TearDown(); }

    std::string Profiles() const { return Folder.File("profiles/"); }

    // Starting the program again: a new record and a new profile object for the player.
    void Restart(const std::string& name) {
        Player = TPlayer();
        Profile = SelectPlayer(name, Profiles(), Player.SaveData);
        ASSERT_NE(Profile, nullptr);
    }

    void WinLevel(int levelScore, float ticks) {
        ProgressLevelStart(Player);
        Player.TimeTaken = ticks;
        ProgressLevelWon(Player, levelScore, Best);
    }

    TPlayer Player;
    std::unique_ptr<TProfile> Profile;
    TSaveBest Best = TSaveBest::Create(Folder.Path());
};

TEST_F(ProgressTest, AWholeGameWithSaveAndExitGameOverAndTheLastLevel) {
    // A new player: the profile file is created with the tutorial flags set.
    Restart("Ann");
    const std::string fresh = Folder.Read("profiles/Ann.dat");
    ASSERT_EQ(fresh.size(), ProfileFieldBytes + 3);
    EXPECT_EQ(fresh.substr(ProfileFieldBytes), std::string("\0\1\1", 3));

    ProgressGameStart(Player, Profile.get());
    EXPECT_EQ(Player.Name, "Ann");
    EXPECT_EQ(Player.Level, 1);
    EXPECT_EQ(Player.Unlocked, 1);

    // Only unlocked levels can be chosen; the first choice clears FirstTime in the file.
    EXPECT_FALSE(ProgressLevelChosen(Player, Profile.get(), 2));
    EXPECT_FALSE(ProgressLevelChosen(Player, Profile.get(), 0));
    ASSERT_TRUE(ProgressLevelChosen(Player, Profile.get(), 1));
    EXPECT_EQ(Player.SaveData.FirstTime, 0);
    EXPECT_EQ(Folder.Read("profiles/Ann.dat").substr(ProfileFieldBytes), std::string("\0\0\1", 3));

    WinLevel(900, 1234.7f);
    EXPECT_EQ(Player.Score, 900);
    EXPECT_EQ(Player.TotalTimeTaken, 1234);
    EXPECT_FALSE(ProgressLevelComplete(Player, Profile.get()));
    EXPECT_EQ(Player.Level, 2);
    EXPECT_EQ(Player.Unlocked, 2);
    EXPECT_EQ(Profile->CurrentLevel, 2);
    EXPECT_EQ(Profile->LockedLevel, 3);

    for (int level = 2; level <= 6; ++level) {
        ASSERT_TRUE(ProgressLevelChosen(Player, Profile.get(), level));
        WinLevel(500, 1000.0f);
        ASSERT_FALSE(ProgressLevelComplete(Player, Profile.get()));
    }

    // Level 7 is chosen, played for a while and left through "saveandexit".
    ASSERT_TRUE(ProgressLevelChosen(Player, Profile.get(), 7));
    ProgressLevelStart(Player);
    Player.TimeTaken = 300.0f;
    ProgressSaveAndExit(Profile.get());

    // The next run resumes level 7 with the score and time from when it was chosen.
    Restart("Ann");
    ProgressGameStart(Player, Profile.get());
    EXPECT_EQ(Player.Level, 7);
    EXPECT_EQ(Player.Score, 3400);
    EXPECT_EQ(Player.TotalTimeTaken, 6234);
    EXPECT_EQ(Player.Unlocked, 7);
    EXPECT_EQ(Player.SaveData.FirstTime, 0);

    // Level 7 is lost: game over keeps the totals in memory and the unlocked levels on disk.
    ASSERT_TRUE(ProgressLevelChosen(Player, Profile.get(), 7));
    ProgressLevelStart(Player);
    Player.TimeTaken = 450.9f;
    ProgressLevelLost(Player);
    ProgressGameOver(Player, Profile.get());
    EXPECT_EQ(Player.Score, 3400);
    EXPECT_EQ(Player.TotalTimeTaken, 6684);
    Restart("Ann");
    EXPECT_EQ(Profile->CurrentLevel, 1);
    EXPECT_EQ(Profile->Score, 0);
    EXPECT_EQ(Profile->TimeTaken, 0.0);
    EXPECT_EQ(Profile->LockedLevel, 8);

    // A new game starts at level 1 and may go straight to level 7, not beyond.
    ProgressGameStart(Player, Profile.get());
    EXPECT_EQ(Player.Level, 1);
    EXPECT_EQ(Player.Score, 0);
    EXPECT_FALSE(ProgressLevelChosen(Player, Profile.get(), 8));
    ASSERT_TRUE(ProgressLevelChosen(Player, Profile.get(), 7));
    for (int level = 7; level < LevelCount; ++level) {
        WinLevel(100, 500.0f);
        ASSERT_FALSE(ProgressLevelComplete(Player, Profile.get())) << level;
    }

    // Winning level 15 finishes the game: the profile starts over with every level open.
    WinLevel(100, 500.0f);
    EXPECT_TRUE(ProgressLevelComplete(Player, Profile.get()));
    EXPECT_EQ(Player.Level, LevelCount);
    EXPECT_EQ(Player.Unlocked, LevelCount + 1);
    EXPECT_EQ(Player.Score, 900);
    Restart("Ann");
    EXPECT_EQ(Profile->CurrentLevel, 1);
    EXPECT_EQ(Profile->Score, 0);
    EXPECT_EQ(Profile->TimeTaken, 0.0);
    EXPECT_EQ(Profile->LockedLevel, 16);
    ProgressGameStart(Player, Profile.get());
    EXPECT_EQ(Player.Unlocked, LevelCount);
    EXPECT_TRUE(ProgressLevelChosen(Player, Profile.get(), LevelCount));
}

TEST_F(ProgressTest, BestResultsChangeOnlyWhenBeaten) {
    Restart("Ann");
    ProgressGameStart(Player, Profile.get());

    WinLevel(700, 2000.9f);
    EXPECT_EQ(Best.Results.NewScoreMark, "New ");
    EXPECT_EQ(Best.Results.NewTimeMark, "New ") << "a stored time of 0 means none yet";
    EXPECT_EQ(Best.Results.BestLevelScores[0], 700);
    EXPECT_EQ(Best.Results.BestLevelTimes[0], 2000);
    EXPECT_EQ(Best.Results.BestLevelScoreNames[0], "Ann");

    Player.Name = "Bob";
    WinLevel(700, 2000.5f);
    EXPECT_EQ(Best.Results.NewScoreMark, "");
    EXPECT_EQ(Best.Results.NewTimeMark, "");
    EXPECT_EQ(Best.Results.BestLevelScoreNames[0], "Ann");
    EXPECT_EQ(Best.Results.BestLevelTimeNames[0], "Ann");

    WinLevel(701, 2500.0f);
    EXPECT_EQ(Best.Results.NewScoreMark, "New ");
    EXPECT_EQ(Best.Results.NewTimeMark, "");
    EXPECT_EQ(Best.Results.BestLevelScoreNames[0], "Bob");

    WinLevel(10, 1999.0f);
    EXPECT_EQ(Best.Results.NewScoreMark, "");
    EXPECT_EQ(Best.Results.NewTimeMark, "New ");
    EXPECT_EQ(Best.Results.BestLevelTimeNames[0], "Bob");
    EXPECT_EQ(Best.Results.BestLevelScores[1], 0) << "other levels untouched";

    // Every change is on disk at once.
    Best.Results.BestLevelScores.fill(0);
    const TSaveBest reread = TSaveBest::Create(Folder.Path());
    EXPECT_EQ(reread.Results.BestLevelScores[0], 701);
    EXPECT_EQ(reread.Results.BestLevelTimes[0], 1999);
}

TEST_F(ProgressTest, RunningScoreAndTimeNeverGoNegativeOrOverflow) {
    Restart("Ann");
    ProgressGameStart(Player, Profile.get());
    WinLevel(-50, -3.0f);
    EXPECT_EQ(Player.Score, 0);
    EXPECT_EQ(Player.TotalTimeTaken, 0);

    Player.Score = std::numeric_limits<int>::max() - 1;
    Player.TotalTimeTaken = std::numeric_limits<int>::max() - 1;
    WinLevel(1000, 1000.0f);
    EXPECT_EQ(Player.Score, std::numeric_limits<int>::max());
    EXPECT_EQ(Player.TotalTimeTaken, std::numeric_limits<int>::max());

    Player.TimeTaken = std::numeric_limits<float>::quiet_NaN();
    ProgressLevelLost(Player);
    EXPECT_EQ(Player.TotalTimeTaken, std::numeric_limits<int>::max());
    Player.TotalTimeTaken = 10;
    Player.TimeTaken = -std::numeric_limits<float>::infinity();
    ProgressLevelLost(Player);
    EXPECT_EQ(Player.TotalTimeTaken, 10);
}

TEST_F(ProgressTest, DamagedProfileValuesAreBroughtIntoPlay) {
    Restart("Ann");
    struct Case {
        int current, locked, score;
        double time;
        int level, unlocked, runningScore, totalTime;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const Case& c :
         {Case{99, 1000, 5, 10.9, 1, 1, 5, 0}, Case{0, -5, -100, nan, 1, 1, 0, 0},
          Case{-7, std::numeric_limits<int>::min(), 0, -5.0, 1, 1, 0, 0},
          Case{9, 3, 0, 1e300, 1, 2, 0, 0}, Case{3, 8, 0, INFINITY, 3, 7, 0, 0},
          Case{5, 6, 3000, 800.0, 5, 5, 3000, 800}, Case{5, 6, 6000, 800.0, 5, 5, 0, 800}}) {
        Profile->CurrentLevel = c.current;
        Profile->LockedLevel = c.locked;
        Profile->Score = c.score;
        Profile->TimeTaken = c.time;
        ASSERT_TRUE(Profile->Save());
        ProgressGameStart(Player, nullptr);
        EXPECT_EQ(Player.ReadProfile(Profile.get(), 1), 1);
        EXPECT_EQ(Player.Level, c.level) << c.current;
        EXPECT_EQ(Player.Unlocked, c.unlocked) << c.locked;
        EXPECT_EQ(Player.Score, c.runningScore) << c.score;
        EXPECT_EQ(Player.TotalTimeTaken, c.totalTime) << c.time;
    }
}

TEST_F(ProgressTest, WithoutAProfileNothingIsWrittenOrChanged) {
    Player.Level = 4;
    Player.Unlocked = 6;
    EXPECT_EQ(Player.ReadProfile(nullptr, 1), 0);
    EXPECT_EQ(Player.WriteProfile(nullptr), 0);
    EXPECT_EQ(Player.ProfileGameOver(nullptr, 1), 0);
    EXPECT_EQ(Player.Level, 4);
    EXPECT_TRUE(ProgressLevelChosen(Player, nullptr, 5));
    EXPECT_FALSE(ProgressLevelComplete(Player, nullptr));
    ProgressGameOver(Player, nullptr);
    ProgressSaveAndExit(nullptr);
    EXPECT_EQ(Player.Level, 6);
    EXPECT_EQ(Folder.Entries().size(), 2u) << "only the profiles folder and stats.dat";
}

}  // namespace
