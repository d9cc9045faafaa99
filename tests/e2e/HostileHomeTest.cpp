// The built game in a hostile world: a first start cut short, leftovers of interrupted saves, a
// read-only and a full data home, damaged profiles, a damaged font, odd player names and
// profiles saved under untrimmed names.

#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>
#include <random>

#include "GameProcess.h"
#include "StateJson.h"

namespace fs = std::filesystem;

namespace {

constexpr double kTimeout = 120;

void WriteBytes(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// A home as a first start for Ann leaves it.
void FirstStart(GameProcess& game) {
    const auto quit = game.WriteScript("first.txt", "5 quit\n");
    ASSERT_EQ(game.Run({"--ticks-per-frame", "1", "--player", "Ann", "--level", "1", "--script",
                        quit.string()},
                       kTimeout),
              0)
        << game.Stderr();
}

std::map<std::string, std::string> Files(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) files[entry.path().string()] = ReadFile(entry.path());
    }
    return files;
}

TEST(HostileHomeTest, AFirstStartKilledWhileCopyingTheDefaultsLeavesNoEmptySettings) {
    GameProcess game("first-copy");
    // The copy once went through sendfile; a kill at the first one left an empty file behind.
    game.Launcher = Traced(
        {"-o", "/dev/null", "-e", "trace=sendfile", "-e", "inject=sendfile:signal=KILL:when=1"});
    FirstStart(game);
    const std::string ini = ReadFile(game.Shared() / "quillox.ini");
    EXPECT_EQ(std::count(ini.begin(), ini.end(), '\n'), 22) << ini;

    // A settings file its owner cannot read is read and written back readable.
    game.Launcher.clear();
    WriteBytes(game.Shared() / "quillox.ini", "FULL SCREEN=0\r\n");
    fs::permissions(game.Shared() / "quillox.ini", fs::perms::owner_write);
    FirstStart(game);
    EXPECT_NE(fs::status(game.Shared() / "quillox.ini").permissions() & fs::perms::owner_read,
              fs::perms::none);
    EXPECT_NE(ReadFile(game.Shared() / "quillox.ini").find("FULL SCREEN=0\r\n"), std::string::npos);
}

TEST(HostileHomeTest, LeftoversOfInterruptedSavesAreRemovedAtStartAndNothingElse) {
    GameProcess game("leftovers");
    FirstStart(game);
    const fs::path shared = game.Shared();
    const std::vector<fs::path> leftovers = {shared / "quillox.ini.31337.0.tmp",
                                             shared / "stats.dat.7.12.tmp",
                                             shared / "profiles" / "Ann.dat.31337.2.tmp"};
    const std::vector<fs::path> others = {shared / "notes.tmp", shared / "quillox.ini.x.0.tmp",
                                          shared / "profiles" / "Ann.dat.5.tmp",
                                          shared / "photos" / "a.1.2.tmp"};
    for (const auto& path : leftovers) WriteBytes(path, "cut short");
    for (const auto& path : others) WriteBytes(path, "the player's");
    FirstStart(game);
    for (const auto& path : leftovers) EXPECT_FALSE(fs::exists(path)) << path;
    for (const auto& path : others) EXPECT_TRUE(fs::exists(path)) << path;
}

// Starts on level 1 for Ann, dumps the state a while into play and quits.
int StartAndPlay(GameProcess& game, const fs::path& state) {
    const auto script = game.WriteScript(
        "play.txt", "40 click 400 300\n80 state " + state.string() + "\n90 quit\n");
    return game.Run(
        {"--ticks-per-frame", "1", "--player", "Ann", "--level", "1", "--script", script.string()},
        kTimeout);
}

TEST(HostileHomeTest, AReadOnlyHomeAndAFullHomeStillStartAndPlay) {
    GameProcess game("read-only");
    FirstStart(game);
    const auto before = Files(game.Sandbox() / "home");
    const fs::path out = game.Sandbox() / "out";
    fs::create_directories(out);
    fs::permissions(out, fs::perms::all);
    fs::permissions(game.Sandbox() / "run", fs::perms::all);
    for (const auto& entry : fs::recursive_directory_iterator(game.Sandbox() / "home")) {
        fs::permissions(entry.path(), fs::perms::owner_write | fs::perms::group_write,
                        fs::perm_options::remove);
    }
    // Root may write anywhere; the game runs as nobody then.
    if (geteuid() == 0) {
        game.Launcher = {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", "--"};
    }
    EXPECT_EQ(StartAndPlay(game, out / "ro.json"), 0) << game.Stderr();
    EXPECT_NE(ReadFile(out / "ro.json").find("\"name\": \"game\""), std::string::npos)
        << ReadFile(out / "ro.json");
    EXPECT_EQ(Files(game.Sandbox() / "home"), before);

    // A full disk: every flush of the game fails for want of space, so no save can complete.
    // The state dump is a save like any other; its refusal shows that play went on.
    GameProcess full("full");
    FirstStart(full);
    const auto fullBefore = Files(full.Sandbox() / "home");
    full.Launcher =
        Traced({"-o", "/dev/null", "-e", "trace=fsync", "-e", "inject=fsync:error=ENOSPC"});
    EXPECT_EQ(StartAndPlay(full, full.Sandbox() / "full.json"), 0) << full.Stderr();
    EXPECT_NE(full.Stderr().find("cannot write state file"), std::string::npos) << full.Stderr();
    auto fullAfter = Files(full.Sandbox() / "home");
    auto fullExpected = fullBefore;
    // The last run ended cleanly, so start-up takes both markers away; the clean-exit marker
    // cannot come back on a full disk.
    for (const char* marker : {"GoodExit.dat", "inichanged.dat"}) {
        fullExpected.erase((full.Shared() / marker).string());
    }
    EXPECT_EQ(fullAfter, fullExpected) << "every other file stays whole";
}

std::int32_t Field(const std::string& bytes, size_t index, std::uint32_t mask) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = value << 8 | static_cast<std::uint8_t>(bytes[index * 4 + static_cast<size_t>(i)]);
    }
    return static_cast<std::int32_t>(value - mask);
}

TEST(HostileHomeTest, ADamagedProfileIsRepairedKeptBesideAndLoggedOnce) {
    std::mt19937 random(15);
    std::string noise(443, '\0');
    for (char& c : noise) c = static_cast<char>(random());
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"443 bytes of 0x7F", std::string(443, '\x7F')},
        {"443 random bytes", noise},
        {"empty", ""},
        {"cut to 100 bytes", std::string(100, '\x01')},
        {"level 7 of 9 with a score of 2128859924", ProfileFile(7, 9, 2128859924, 98765.0)}};
    int index = 0;
    for (const auto& [label, damaged] : cases) {
        SCOPED_TRACE(label);
        GameProcess game("damaged-" + std::to_string(index++));
        const fs::path profile = game.Shared() / "profiles" / "Ann.dat";
        WriteBytes(profile, damaged);
        const auto quit = game.WriteScript("quit.txt", "5 quit\n");
        ASSERT_EQ(game.Run({"--ticks-per-frame", "1", "--player", "Ann", "--script", quit.string()},
                           kTimeout),
                  0)
            << game.Stderr();
        EXPECT_EQ(ReadFile(game.Shared() / "profiles" / "Ann.dat.damaged"), damaged);
        const std::string log = ReadFile(game.Shared() / "ErrorLog.txt");
        EXPECT_NE(log.find("Damaged file " + profile.string()), std::string::npos) << log;

        const std::string repaired = ReadFile(profile);
        ASSERT_EQ(repaired.size(), 443u);
        const int level = Field(repaired, 0, 0x5D13A7);
        const int locked = Field(repaired, 1, 0x5D13A7 + 0x1F4C62);
        const int score = Field(repaired, 2, 0x5D13A7 + 2 * 0x1F4C62);
        double time = 0;
        std::memcpy(&time, repaired.data() + 20, sizeof time);
        std::cout << label << " became: level " << level << ", unlocked " << locked - 1
                  << ", score " << score << ", time " << time << "\n";
        EXPECT_GE(level, 1);
        EXPECT_LT(level, locked);
        EXPECT_LE(locked, 16);
        EXPECT_GE(score, 0);
        EXPECT_LE(score, 1000 * (time / 200 + 1));

        // Once repaired it loads like any other: nothing more is kept or logged.
        fs::remove(game.Shared() / "profiles" / "Ann.dat.damaged");
        fs::remove(game.Shared() / "ErrorLog.txt");
        ASSERT_EQ(game.Run({"--ticks-per-frame", "1", "--script", quit.string()}, kTimeout), 0);
        EXPECT_FALSE(fs::exists(game.Shared() / "profiles" / "Ann.dat.damaged"));
        EXPECT_FALSE(fs::exists(game.Shared() / "ErrorLog.txt"));
    }
}

TEST(HostileHomeTest, AFontFileWithoutGlyphsIsReportedLikeAMissingOne) {
    GameProcess game("bad-font");
    const fs::path data = fs::path(QUILLOX_BUILD_DIR) / "Data";
    const fs::path copy = game.Sandbox() / "data" / "Data";
    fs::create_directories(copy / "fonts");
    for (const auto& entry : fs::directory_iterator(data)) {
        if (entry.path().filename() != "fonts") {
            fs::create_symlink(entry.path(), copy / entry.path().filename());
        }
    }
    for (const auto& entry : fs::directory_iterator(data / "fonts")) {
        fs::create_symlink(entry.path(), copy / "fonts" / entry.path().filename());
    }
    fs::remove(copy / "fonts" / "font_lg.fnt");
    std::mt19937 random(5);
    std::string noise(2000, '\0');
    for (char& c : noise) c = static_cast<char>(random());
    WriteBytes(copy / "fonts" / "font_lg.fnt", noise);

    EXPECT_EQ(game.Run({"--data-dir", (game.Sandbox() / "data").string()}, kTimeout), 1);
    EXPECT_NE(game.Stderr().find("Error loading file"), std::string::npos) << game.Stderr();
    EXPECT_NE(game.Stderr().find("font_lg.fnt"), std::string::npos) << game.Stderr();
}

TEST(HostileHomeTest, PlayerNamesAreTrimmedAndARefusedNameIsPrintedEscaped) {
    GameProcess game("names");
    EXPECT_EQ(game.Run({"--player", "\x1b]0;owned\x07X"}, kTimeout), 2);
    EXPECT_NE(game.Stderr().find("'\\x1b]0;owned\\x07X' cannot be a player's name"),
              std::string::npos)
        << game.Stderr();
    EXPECT_EQ(game.Stderr().find('\x1b'), std::string::npos);
    EXPECT_EQ(game.Run({"--player", "   "}, kTimeout), 2);
    EXPECT_FALSE(fs::exists(game.Shared()));

    const auto quit = game.WriteScript("quit.txt", "5 quit\n");
    ASSERT_EQ(game.Run({"--ticks-per-frame", "1", "--player", "  Ann ", "--script", quit.string()},
                       kTimeout),
              0);
    EXPECT_TRUE(fs::exists(game.Shared() / "profiles" / "Ann.dat"));
    EXPECT_EQ(
        std::distance(fs::directory_iterator(game.Shared() / "profiles"), fs::directory_iterator()),
        1);

    // A name remembered with a trailing blank finds the player it belongs to.
    WriteBytes(game.Shared() / "quillox.ini", "PROFILE NAME=Ann \r\n");
    const fs::path state = game.Sandbox() / "state.json";
    const auto dump = game.WriteScript("dump.txt", "3 state " + state.string() + "\n5 quit\n");
    ASSERT_EQ(game.Run({"--ticks-per-frame", "1", "--script", dump.string()}, kTimeout), 0);
    EXPECT_NE(ReadFile(state).find("\"ProfileName\": \"Ann\""), std::string::npos)
        << ReadFile(state);
    EXPECT_EQ(
        std::distance(fs::directory_iterator(game.Shared() / "profiles"), fs::directory_iterator()),
        1);
}

TEST(HostileHomeTest, UntrimmedProfilesTakeTheirNamesOnceAndEveryKeptCopyStays) {
    GameProcess game("untrimmed");
    const fs::path profiles = game.Shared() / "profiles";
    const std::string ann = ProfileFile(3, 4, 1200, 4000.0), bob = ProfileFile(2, 3, 500, 2000.0);
    const std::string bobOld = ProfileFile(5, 6, 3000, 9000.0);
    const std::string bobOlder = ProfileFile(4, 5, 2500, 8000.0);
    const std::string cy = ProfileFile(1, 2, 10, 200.0);
    WriteBytes(profiles / " Ann.dat", ann);
    WriteBytes(profiles / "Bob.dat", bob);
    WriteBytes(profiles / " Bob.dat", bobOlder);
    WriteBytes(profiles / "Bob .dat", bobOld);
    WriteBytes(profiles / "Cy.dat", cy);
    WriteBytes(profiles / "Cy .dat", cy);
    const fs::path state = game.Sandbox() / "players.json";
    const auto script = game.WriteScript("players.txt", "3 state " + state.string() + "\n5 quit\n");
    const std::vector<std::string> args = {
        "--ticks-per-frame", "1",       "--player", "Ann",
        "--dialog",          "players", "--script", script.string()};
    ASSERT_EQ(game.Run(args, kTimeout), 0) << game.Stderr();

    std::map<std::string, std::string> files = Files(profiles);
    const auto held = [&files, &profiles](const std::string& name) {
        return files[(profiles / name).string()];
    };
    EXPECT_EQ(files.size(), 5u);
    EXPECT_EQ(held("Ann.dat"), ann);
    EXPECT_EQ(held("Bob.dat"), bob);
    EXPECT_EQ(held("Bob.dat.untrimmed"), bobOlder);
    EXPECT_EQ(held("Bob.dat.untrimmed.2"), bobOld);
    EXPECT_EQ(held("Cy.dat"), cy);
    const std::string log = ReadFile(game.Shared() / "ErrorLog.txt");
    for (const std::string& line :
         {"'" + (profiles / " Ann.dat").string() + "' renamed to '" +
              (profiles / "Ann.dat").string(),
          "' both exist; '" + (profiles / "Bob .dat").string() + "' is kept as '" +
              (profiles / "Bob.dat.untrimmed.2").string(),
          "'" + (profiles / "Cy .dat").string() + "' removed"}) {
        EXPECT_NE(log.find(line), std::string::npos) << line << " in " << log;
    }
    // The players to choose from are the trimmed names, once each.
    const StateJson dump = StateJson::Parse(ReadFile(state));
    EXPECT_EQ(dump["dialogs"][size_t{0}]["names"].Texts(),
              (std::vector<std::string>{"Ann", "Bob", "Cy"}))
        << ReadFile(state);

    // Once done, a start changes nothing more.
    ASSERT_EQ(game.Run(args, kTimeout), 0) << game.Stderr();
    EXPECT_EQ(Files(profiles), files);
    EXPECT_EQ(ReadFile(game.Shared() / "ErrorLog.txt"), log);

    // A second repair keeps the first one's copy; the same damage again is kept once.
    const std::string firstDamage(100, '\x01'), secondDamage(443, '\x7F');
    const std::vector<std::string> asAnn = {"--ticks-per-frame", "1", "--player", "Ann", "--script",
                                            script.string()};
    for (const std::string& damage : {firstDamage, secondDamage, secondDamage}) {
        WriteBytes(profiles / "Ann.dat", damage);
        ASSERT_EQ(game.Run(asAnn, kTimeout), 0) << game.Stderr();
        EXPECT_EQ(ReadFile(profiles / "Ann.dat").size(), 443u);
    }
    EXPECT_EQ(ReadFile(profiles / "Ann.dat.damaged"), firstDamage);
    EXPECT_EQ(ReadFile(profiles / "Ann.dat.damaged.2"), secondDamage);
    EXPECT_FALSE(fs::exists(profiles / "Ann.dat.damaged.3"));
    EXPECT_NE(ReadFile(game.Shared() / "ErrorLog.txt")
                  .find("the damaged file is kept as " + (profiles / "Ann.dat.damaged.2").string()),
              std::string::npos);
}

}  // namespace
