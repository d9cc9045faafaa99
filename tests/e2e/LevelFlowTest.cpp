// A game through the level select on the built game: a padlocked dot refused, level 1 chosen
// by its dot, won (the machine given its fill up front), the results and OK, and level 2 open
// on the level select; then the game over with the game's score, a name typed, and the
// high-score file holding it. Where to click comes from the state dumps.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "GameProcess.h"
#include "StateJson.h"

namespace fs = std::filesystem;

namespace {

constexpr double kTimeout = 300;
// The machine's full height: every level is won as soon as it has shown its fill.
const std::vector<std::string> kFilled = {"--ticks-per-frame", "2",  "--seed", "3", "--fill", "147",
                                          "--player",          "Ann"};

std::array<int, 2> Centre(const StateJson& rect) {
    const std::vector<int> r = rect.Ints();
    if (r.size() != 4) return {-1, -1};
    return {r[0] + r[2] / 2, r[1] + r[3] / 2};
}

std::string At(const std::array<int, 2>& point) {
    return std::to_string(point[0]) + " " + std::to_string(point[1]);
}

// Runs the game with `script` (lines "TICK ACTION ..."; "state NAME" dumps into the sandbox).
int RunScript(GameProcess& game, std::vector<std::string> args, const std::string& script) {
    std::string text;
    size_t from = 0;
    while (from < script.size()) {
        const size_t end = script.find('\n', from);
        std::string line = script.substr(from, end - from);
        const size_t state = line.find(" state ");
        if (state != std::string::npos) {
            line = line.substr(0, state) + " state " +
                   (game.Sandbox() / (line.substr(state + 7) + ".json")).string();
        }
        text += line + "\n";
        from = end == std::string::npos ? script.size() : end + 1;
    }
    args.insert(args.end(), {"--script", game.WriteScript("script.txt", text).string()});
    return game.Run(args, kTimeout);
}

StateJson Dump(const GameProcess& game, const std::string& name) {
    return StateJson::Parse(ReadFile(game.Sandbox() / (name + ".json")));
}

std::vector<std::string> With(std::vector<std::string> args, const std::vector<std::string>& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

TEST(LevelFlowTest, ALevelWonFromTheLevelSelectOpensTheNextAndTheGamesScoreIsEnteredByName) {
    // A first look, in a sandbox of its own: where the dots and the OK button are.
    GameProcess look("levels-look");
    ASSERT_EQ(RunScript(look, With(kFilled, {"--screen", "levelselect"}), "5 state select\n9 quit"),
              0)
        << look.Stderr();
    ASSERT_EQ(RunScript(look, With(kFilled, {"--screen", "gameover"}), "5 state over\n9 quit"), 0);
    const StateJson select = Dump(look, "select")["screen"];
    ASSERT_EQ(select["name"].Text(), "levelselect");
    EXPECT_EQ(select["Unlocked"].Int(), 1);
    EXPECT_EQ(select["TutorialToggle"].Int(), 0) << "a new player has never started a level";
    ASSERT_EQ(select["Dots"].Size(), 15u);
    EXPECT_EQ(select["Dots"][size_t{1}]["Locked"].Int(), 1);
    const auto level1 = Centre(select["Dots"][size_t{0}]["rect"]);
    const auto level2 = Centre(select["Dots"][size_t{1}]["rect"]);
    const StateJson over = Dump(look, "over")["screen"];
    EXPECT_EQ(over["HighScoreEntry"]["HighScore"].Int(), 0) << "a score of 0 never qualifies";
    const auto ok = Centre(over["Buttons"]["OK"]["rect"]);
    ASSERT_GT(ok[0], 0);

    GameProcess game("levels");
    const std::string play = "10 click " + At(level2) + "\n" +  // padlocked
                             "14 state refused\n" +             //
                             "20 click " + At(level1) + "\n" +  //
                             "30 state playing\n" +             //
                             "1700 state complete\n" +          //
                             "1710 move " + At(ok) + "\n" +     //
                             "1720 click " + At(ok) + "\n" +    //
                             "1740 state next\n" +              //
                             "1750 quit\n";
    ASSERT_EQ(RunScript(game, With(kFilled, {"--screen", "levelselect"}), play), 0)
        << game.Stderr();
    const StateJson refused = Dump(game, "refused")["screen"];
    EXPECT_EQ(refused["name"].Text(), "levelselect");
    EXPECT_EQ(refused["MOIndex"].Int(), 1);
    EXPECT_EQ(refused["ClickedIndex"].Int(), -1);
    EXPECT_EQ(Dump(game, "playing")["screen"]["name"].Text(), "game");
    EXPECT_EQ(Dump(game, "playing")["screen"]["Level"].Int(), 1);

    const StateJson complete = Dump(game, "complete")["screen"];
    ASSERT_EQ(complete["name"].Text(), "levelcomplete");
    const std::vector<std::string> lines = complete["Lines"].Texts();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].rfind("Total Score: ", 0), 0u) << lines[0];
    EXPECT_EQ(lines[1].rfind("Level 1 Score: ", 0), 0u) << lines[1];
    EXPECT_EQ(lines[2].rfind("Level 1 Time: 0:0", 0), 0u) << lines[2];

    const StateJson next = Dump(game, "next");
    ASSERT_EQ(next["screen"]["name"].Text(), "levelselect");
    EXPECT_EQ(next["screen"]["Unlocked"].Int(), 2);
    EXPECT_EQ(next["screen"]["Level"].Int(), 2);
    EXPECT_EQ(next["screen"]["Dots"][size_t{1}]["Locked"].Int(), 0);
    EXPECT_EQ(next["screen"]["TutorialToggle"].Int(), 1) << "shown once a level was started";
    const int score = next["Player"]["Score"].Int();
    ASSERT_GT(score, 900);
    const std::string profile = ReadFile(game.Shared() / "profiles" / "Ann.dat");
    ASSERT_GE(profile.size(), 3u);
    EXPECT_EQ(profile[profile.size() - 2], 0) << "FirstTime cleared on disk";

    // The game ends with that score: the name field starts with the player's name.
    const std::string enter =
        "10 state entry\n"
        "20 key Backspace\n"
        "22 key Backspace\n"
        "24 key Backspace\n"
        "30 text Zed\n"
        "40 state typed\n"
        "50 key Enter\n"
        "60 state left\n"
        "70 quit\n";
    ASSERT_EQ(RunScript(game, With(kFilled, {"--screen", "gameover"}), enter), 0) << game.Stderr();
    const StateJson entry = Dump(game, "entry")["screen"];
    EXPECT_EQ(entry["HighScoreEntry"]["HighScore"].Int(), 1);
    EXPECT_EQ(entry["HighScoreEntry"]["Text"].Text(), "Ann");
    EXPECT_EQ(entry["Lines"].Texts().at(0), "Final Score: " + std::to_string(score));
    EXPECT_EQ(Dump(game, "typed")["screen"]["HighScoreEntry"]["Text"].Text(), "Zed");
    EXPECT_EQ(Dump(game, "left")["screen"]["name"].Text(), "highscores");

    // The top row of the table: the name's bytes shifted down by 23 and closed by 0, then the
    // score and the level as 32-bit little-endian numbers.
    const std::string table = ReadFile(game.Shared() / "zindles.dat");
    std::string row = {'Z' - 23, 'e' - 23, 'd' - 23, '\0'};
    for (const int value : {score, 2}) {
        for (int shift = 0; shift < 32; shift += 8) {
            row += static_cast<char>((static_cast<std::uint32_t>(value) >> shift) & 0xFF);
        }
    }
    EXPECT_EQ(table.substr(0, row.size()), row);
}

}  // namespace
