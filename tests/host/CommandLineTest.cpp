// The command line and the script format.

#include <gtest/gtest.h>

#include "host/CommandLine.h"
#include "host/TScriptPlayer.h"

namespace {

TEST(CommandLineTest, OptionsAndValues) {
    std::string error;
    const auto line = ParseCommandLine(
        {"--headless", "--seed", "42", "--ticks-per-frame", "4", "--level", "15", "--player", "Ann",
         "--windowed", "--data-dir", "/x", "--dialog", "players"},
        error);
    ASSERT_TRUE(line) << error;
    EXPECT_TRUE(line->Headless);
    EXPECT_EQ(*line->Seed, 42u);
    EXPECT_EQ(line->TicksPerFrame, 4);
    EXPECT_EQ(line->Level, 15);
    EXPECT_EQ(line->Player, "Ann");
    EXPECT_EQ(line->FullScreen, 0);
    EXPECT_EQ(line->DataDir, "/x");
    EXPECT_EQ(line->Dialog, "players");
    EXPECT_FALSE(line->Classic);

    const auto daily = ParseCommandLine({"--daily", "--date", "2028-02-29"}, error);
    ASSERT_TRUE(daily) << error;
    EXPECT_TRUE(daily->Classic && daily->Daily);
    EXPECT_EQ(daily->Date, "2028-02-29");
}

TEST(CommandLineTest, BadOptionsAreRefusedWithAMessage) {
    for (const auto& args : std::vector<std::vector<std::string>>{{"--bogus"},
                                                                  {"--seed"},
                                                                  {"--seed", "x"},
                                                                  {"--level", "16"},
                                                                  {"--level", "0"},
                                                                  {"--ticks-per-frame", "-1"},
                                                                  {"--seed", "12abc"},
                                                                  {"--dialog", "nothing"},
                                                                  {"--date", "2027-02-29"},
                                                                  {"--date", "2026-13-01"},
                                                                  {"--date", "26-01-01"},
                                                                  {"--date", "2026-1-011"}}) {
        std::string error;
        EXPECT_FALSE(ParseCommandLine(args, error)) << args[0];
        EXPECT_FALSE(error.empty());
    }
}

TEST(ScriptTest, KeyNames) {
    EXPECT_EQ(TScriptPlayer::KeyCode("a"), 'A');
    EXPECT_EQ(TScriptPlayer::KeyCode("7"), '7');
    EXPECT_EQ(TScriptPlayer::KeyCode("Escape"), 27);
    EXPECT_EQ(TScriptPlayer::KeyCode("enter"), 13);
    EXPECT_EQ(TScriptPlayer::KeyCode("F12"), 123);
    EXPECT_EQ(TScriptPlayer::KeyCode("F13"), -1);
    EXPECT_EQ(TScriptPlayer::KeyCode("?"), -1);
}

TEST(ScriptTest, ValidScriptsParseAndBadLinesNameTheirLine) {
    std::string error;
    EXPECT_TRUE(TScriptPlayer::Parse(
        "# a comment\n\n0 move 1 2\n5 click 3 4 2  # right\n"
        "6 key Escape\n7 text Hello there\n8 screenshot a.png\n"
        "9 state s.json\n10 pad connect\n11 pad DPLeft\n12 padaxis lefty -32768\n"
        "13 pad disconnect\n14 quit\n",
        error))
        << error;
    for (const char* bad :
         {"x move 1 2", "1 jump", "1 click 1", "1 click 1 2 4", "1 key Foo", "1 quit now",
          "-3 quit", "1 screenshot", "1 text", "1 pad", "1 pad z", "1 pad a b", "1 padaxis leftx",
          "1 padaxis stick 3", "1 padaxis leftx 40000"}) {
        error.clear();
        EXPECT_FALSE(TScriptPlayer::Parse(std::string("0 move 0 0\n") + bad + "\n", error)) << bad;
        EXPECT_NE(error.find("line 2"), std::string::npos) << error;
    }
}

}  // namespace
