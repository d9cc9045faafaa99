// The way into the game on the built program, by clicks and typing found from state dumps: a
// first run without any player shows the loading screen until its button is clicked, then the
// title asks for a name, greets the new player and ends the program from its own button.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "GameProcess.h"
#include "StateJson.h"

namespace fs = std::filesystem;

namespace {

constexpr double kTimeout = 180;

// The centre of a button of a dump's screen, as "X Y"; empty when it is not there.
std::string Centre(const StateJson& dump, const std::string& button) {
    const std::vector<int> rect = dump["screen"]["Buttons"][button]["rect"].Ints();
    if (rect.size() != 4) return {};
    return std::to_string(rect[0] + rect[2] / 2) + " " + std::to_string(rect[1] + rect[3] / 2);
}

void WriteText(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

StateJson Dump(const GameProcess& game, const std::string& name) {
    return StateJson::Parse(ReadFile(game.Sandbox() / (name + ".json")));
}

std::string Output(const GameProcess& game, int tick, const std::string& what,
                   const std::string& name) {
    const std::string file = name + (what == "state" ? ".json" : ".png");
    return std::to_string(tick) + " " + what + " " + (game.Sandbox() / file).string() + "\n";
}

TEST(TitleFlowTest, AFirstRunLoadsAsksForANameGreetsThePlayerAndExits) {
    // Where the loading screen's button is, and the title's exit.
    GameProcess probe("title-probe");
    ASSERT_EQ(
        probe.Run({"--ticks-per-frame", "1", "--script",
                   probe
                       .WriteScript("probe.txt", Output(probe, 3, "state", "loading") +
                                                     Output(probe, 3, "screenshot", "loading") +
                                                     "6 quit\n")
                       .string()},
                  kTimeout),
        0)
        << probe.Stderr();
    const StateJson loading = Dump(probe, "loading");
    EXPECT_EQ(loading["screen"]["name"].Text(), "loading");
    EXPECT_EQ(loading["screen"]["BarStep"].Int(), 65);
    EXPECT_EQ(loading["screen"]["Finished"].Int(), 1);
    const std::string clickHere = Centre(loading, "CLICKHERE");
    ASSERT_FALSE(clickHere.empty()) << ReadFile(probe.Sandbox() / "loading.json");
    EXPECT_EQ(PngSize(probe.Sandbox() / "loading.png"), (std::pair<int, int>{800, 600}));

    GameProcess titleProbe("title-probe-exit");
    ASSERT_EQ(
        titleProbe.Run(
            {"--ticks-per-frame", "1", "--screen", "title", "--player", "Probe", "--script",
             titleProbe
                 .WriteScript("probe.txt", Output(titleProbe, 3, "state", "title") + "6 quit\n")
                 .string()},
            kTimeout),
        0)
        << titleProbe.Stderr();
    const std::string exitGame = Centre(Dump(titleProbe, "title"), "EXITGAME");
    ASSERT_FALSE(exitGame.empty()) << ReadFile(titleProbe.Sandbox() / "title.json");

    // The journey: nothing moves on by itself, one click starts, a name is asked for.
    GameProcess game("title-journey");
    const std::string script = Output(game, 40, "state", "waiting") + "50 click " + clickHere +
                               "\n" + Output(game, 60, "state", "prompt") +
                               Output(game, 60, "screenshot", "prompt") + "70 text Ivy\n" +
                               "80 key Enter\n" + Output(game, 90, "state", "greeted") +
                               Output(game, 90, "screenshot", "greeted") + "100 click " + exitGame +
                               "\n" + Output(game, 300, "state", "after-exit") + "400 quit\n";
    ASSERT_EQ(game.Run({"--ticks-per-frame", "1", "--seed", "3", "--script",
                        game.WriteScript("journey.txt", script).string()},
                       kTimeout),
              0)
        << game.Stderr();

    EXPECT_EQ(Dump(game, "waiting")["screen"]["name"].Text(), "loading");
    const StateJson prompt = Dump(game, "prompt");
    EXPECT_EQ(prompt["screen"]["name"].Text(), "title");
    EXPECT_EQ(prompt["dialogs"][size_t{0}]["kind"].Text(), "TDialogTextInput");
    EXPECT_EQ(prompt["dialogs"][size_t{0}]["caption"].Text(), "Please enter your name");
    EXPECT_EQ(prompt["ProfileName"].Text(), "");
    EXPECT_EQ(prompt["screen"]["Welcome"].Text(), "");

    const StateJson greeted = Dump(game, "greeted");
    EXPECT_TRUE(greeted["dialogs"].IsNull());
    EXPECT_EQ(greeted["screen"]["Welcome"].Text(), "Welcome, Ivy");
    EXPECT_EQ(greeted["ProfileName"].Text(), "Ivy");
    EXPECT_TRUE(fs::exists(game.Shared() / "profiles" / "Ivy.dat"));
    EXPECT_NE(ReadFile(game.Shared() / "quillox.ini").find("PROFILE NAME=Ivy\r\n"),
              std::string::npos);
    // The exit button ended the program well before the script's own quit.
    EXPECT_TRUE(fs::exists(game.Shared() / "GoodExit.dat"));
    EXPECT_FALSE(fs::exists(game.Sandbox() / "after-exit.json"));
}

TEST(TitleFlowTest, TheSplashAskedForBySettingsFadesTheLogoInAndAKeyCutsItShort) {
    GameProcess game("title-splash");
    fs::create_directories(game.Shared());
    WriteText(game.Shared() / "quillox.ini", "PORTAL SPLASH=1\r\n");
    const std::string script = Output(game, 100, "state", "fading-in") +
                               Output(game, 500, "state", "full") +
                               Output(game, 500, "screenshot", "splash") + "550 key Space\n" +
                               Output(game, 560, "state", "after") + "570 quit\n";
    ASSERT_EQ(game.Run({"--ticks-per-frame", "1", "--script",
                        game.WriteScript("splash.txt", script).string()},
                       kTimeout),
              0)
        << game.Stderr();
    const StateJson fadingIn = Dump(game, "fading-in");
    EXPECT_EQ(fadingIn["screen"]["name"].Text(), "splash");
    EXPECT_NEAR(fadingIn["screen"]["Visibility"].Number(), 0.25, 0.01) << "half a second of two";
    EXPECT_EQ(Dump(game, "full")["screen"]["Visibility"].Number(), 1);
    EXPECT_EQ(Dump(game, "after")["screen"]["name"].Text(), "loading");
}

}  // namespace
