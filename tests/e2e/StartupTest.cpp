// The built game, run headless with scripts: start-up, drawing, screenshots, state dumps, the
// settings file, the clean-exit marker, the single instance and crash repair.

#include <signal.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include <gtest/gtest.h>

#include "GameProcess.h"

namespace fs = std::filesystem;

namespace {

constexpr double kTimeout = 120;  // the sanitised build on a busy machine is slow

bool WaitFor(const fs::path& path, double seconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!fs::exists(path)) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

TEST(StartupTest, StartsDrawsDumpsStateAndEndsCleanly) {
    GameProcess game("start");
    const fs::path shot = game.Sandbox() / "shot.png";
    const fs::path state = game.Sandbox() / "state.json";
    const auto script = game.WriteScript(
        "s.txt", "5 screenshot " + shot.string() + "\n5 state " + state.string() + "\n10 quit\n");
    ASSERT_EQ(
        game.Run({"--ticks-per-frame", "1", "--seed", "7", "--script", script.string()}, kTimeout),
        0)
        << game.Stderr();

    EXPECT_EQ(PngSize(shot), (std::pair<int, int>{800, 600}));
    const std::string json = ReadFile(state);
    for (const char* field : {"\"tick\"", "\"screen\"", "\"name\"", "\"FullScreen\"", "\"Paused\"",
                              "\"Suspended\"", "\"ProfileName\""}) {
        EXPECT_NE(json.find(field), std::string::npos) << field << " in " << json;
    }
    // Sixteen effect channels that share a total volume of sixteen: effects playing together
    // are never turned down against each other.
    EXPECT_NE(json.find("\"Count\": 16,\n    \"MaxVol\": 16\n"), std::string::npos) << json;

    const std::string ini = ReadFile(game.Shared() / "quillox.ini");
    EXPECT_EQ(ini.rfind("FULL SCREEN=", 0), 0u) << ini;
    EXPECT_EQ(std::count(ini.begin(), ini.end(), '\n'), 22);
    EXPECT_EQ(std::count(ini.begin(), ini.end(), '\r'), 22);
    EXPECT_NE(ini.find("SOUND DRIVER=OpenAL Generic Software\r\n"), std::string::npos);
    EXPECT_TRUE(fs::exists(game.Shared() / "GoodExit.dat"));
    EXPECT_TRUE(fs::is_directory(game.Shared() / "profiles"));
}

TEST(StartupTest, ASecondCopyEndsAtOnceAndShowsNothing) {
    GameProcess first("single");
    first.Start({"--ticks-per-frame", "1"});
    ASSERT_TRUE(WaitFor(first.Shared() / "quillox.ini", kTimeout)) << first.Stderr();

    GameProcess second("single-second");
    // The same runtime folder holds the instance lock.
    fs::remove_all(second.Sandbox() / "run");
    fs::create_directory_symlink(first.Sandbox() / "run", second.Sandbox() / "run");
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(second.Run({}, kTimeout), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(30));
    EXPECT_FALSE(fs::exists(second.Shared())) << "the second copy wrote nothing";
    EXPECT_TRUE(first.Running());

    first.Signal(SIGTERM);  // a close request, as from the window manager
    EXPECT_EQ(first.Wait(kTimeout), 0) << first.Stderr();
    EXPECT_TRUE(fs::exists(first.Shared() / "GoodExit.dat"));
}

TEST(StartupTest, ACrashAfterASettingsChangeIsRepairedOnTheNextStart) {
    GameProcess game("crash");
    fs::create_directories(game.Shared());
    {
        std::ofstream ini(game.Shared() / "quillox.ini", std::ios::binary);
        ini << "FULL SCREEN=0\r\nPROFILE NAME=Ann\r\nMUSIC VOLUME=7\r\n";
    }
    // Alt+Enter saves the display mode and marks the settings as changed; then the game dies.
    const auto script = game.WriteScript("toggle.txt", "3 keydown Alt\n4 key Enter\n5 keyup Alt\n");
    game.Start({"--ticks-per-frame", "1", "--script", script.string()});
    ASSERT_TRUE(WaitFor(game.Shared() / "inichanged.dat", kTimeout)) << game.Stderr();
    game.Signal(SIGKILL);
    game.Wait(kTimeout);
    EXPECT_FALSE(fs::exists(game.Shared() / "GoodExit.dat"));

    const auto quit = game.WriteScript("quit.txt", "2 quit\n");
    ASSERT_EQ(game.Run({"--ticks-per-frame", "1", "--script", quit.string()}, kTimeout), 0);
    EXPECT_NE(game.Stderr().find("Default ini file restored!"), std::string::npos) << game.Stderr();
    const std::string ini = ReadFile(game.Shared() / "quillox.ini");
    EXPECT_NE(ini.find("PROFILE NAME=Ann\r\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("MUSIC VOLUME=50\r\n"), std::string::npos) << "restored from the defaults";
    EXPECT_FALSE(fs::exists(game.Shared() / "inichanged.dat"));
}

TEST(StartupTest, ACrashWithoutASettingsChangeRestoresNothing) {
    GameProcess game("crash-plain");
    game.Start({"--ticks-per-frame", "1"});
    ASSERT_TRUE(WaitFor(game.Shared() / "quillox.ini", kTimeout)) << game.Stderr();
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    game.Signal(SIGKILL);
    game.Wait(kTimeout);
    const auto quit = game.WriteScript("quit.txt", "2 quit\n");
    ASSERT_EQ(game.Run({"--ticks-per-frame", "1", "--script", quit.string()}, kTimeout), 0);
    EXPECT_EQ(game.Stderr().find("restored"), std::string::npos) << game.Stderr();
}

TEST(StartupTest, BadOptionsAndScriptsExitWithCodeTwo) {
    GameProcess game("bad");
    EXPECT_EQ(game.Run({"--no-such-option"}, kTimeout), 2);
    EXPECT_NE(game.Stderr().find("--no-such-option"), std::string::npos);
    const auto script = game.WriteScript("bad.txt", "0 move 1 2\n3 dance\n");
    EXPECT_EQ(game.Run({"--script", script.string()}, kTimeout), 2);
    EXPECT_NE(game.Stderr().find("line 2"), std::string::npos) << game.Stderr();
    EXPECT_EQ(game.Run({"--script", (game.Sandbox() / "missing.txt").string()}, kTimeout), 2);
    EXPECT_EQ(game.Run({"--version"}, kTimeout), 0);
}

}  // namespace
