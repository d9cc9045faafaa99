// A named player loses a level on the clock: the game hands over to the game-over screen and
// the player's records reach the disk.

#include <gtest/gtest.h>

#include <filesystem>

#include "GameProcess.h"

namespace fs = std::filesystem;

namespace {

constexpr double kTimeout = 180;

TEST(RecordsFlowTest, ALevelLostOnTheClockReachesThePlayersRecords) {
    GameProcess game("records");
    // 1000 s of level clock is 200000 steps; the emptying machine then hands over.
    const fs::path state = game.Sandbox() / "end.json";
    const auto script =
        game.WriteScript("lose.txt", "205000 state " + state.string() + "\n205500 quit\n");
    ASSERT_EQ(game.Run({"--ticks-per-frame", "1000", "--seed", "4", "--player", "Ann", "--level",
                        "2", "--script", script.string()},
                       kTimeout),
              0)
        << game.Stderr();

    const std::string json = ReadFile(state);
    EXPECT_NE(json.find("\"name\": \"gameover\""), std::string::npos) << json;
    EXPECT_NE(json.find("\"ProfileName\": \"Ann\""), std::string::npos);
    EXPECT_NE(json.find("\"TotalTimeTaken\": 200000"), std::string::npos) << json;

    EXPECT_EQ(fs::file_size(game.Shared() / "profiles" / "Ann.dat"), 443u);
    EXPECT_EQ(fs::file_size(game.Shared() / "stats.dat"), 495u);
    EXPECT_NE(ReadFile(game.Shared() / "quillox.ini").find("PROFILE NAME=Ann\r\n"),
              std::string::npos);

    // The same run again replays exactly: the clock of a scripted run is its logic.
    const std::string first = json;
    ASSERT_EQ(game.Run({"--ticks-per-frame", "1000", "--seed", "4", "--player", "Ann", "--level",
                        "2", "--script", script.string()},
                       kTimeout),
              0);
    EXPECT_EQ(ReadFile(state).substr(0, 400), first.substr(0, 400));
}

TEST(RecordsFlowTest, AnUnsafePlayerNameIsRefused) {
    GameProcess game("bad-name");
    EXPECT_EQ(game.Run({"--player", "../evil"}, kTimeout), 2);
    EXPECT_NE(game.Stderr().find("cannot be a player's name"), std::string::npos);
    EXPECT_FALSE(fs::exists(game.Shared()));
}

}  // namespace
