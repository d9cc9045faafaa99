// The host's settings: the file's canonical form, values into the host's fields, the
// command-line display override, and crash repair from the shipped defaults.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "host/TGame.h"
#include "store/TIniFile.h"
#include "support/TempFolder.h"

namespace fs = std::filesystem;

namespace {

std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void Write(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

struct SettingsTest : ::testing::Test {
    TempFolder folder{"settings"};
    const fs::path root{folder.Path()};
    TGame game;

    void SetUp() override {
        fs::create_directories(root / "shared");
        game.Paths.SubPath = (root / "shared").string() + "/";
        game.Paths.DataPrefix = (root / "program").string() + "/";
        game.Settings.File().FileName = game.Settings.IniFileName();
    }
    fs::path IniPath() const { return game.Settings.File().FileName + ".ini"; }
};

TEST_F(SettingsTest, FileIsWrittenInCanonicalFormWithEveryKeyInOrder) {
    game.Settings.IniFill();
    game.Settings.File().Save();
    const std::string text = Slurp(IniPath());
    EXPECT_EQ(text.substr(0, 31), "FULL SCREEN=1\r\nSOUND=1\r\nMUSIC=1");
    EXPECT_NE(text.find("\r\nSOUND DRIVER=FreeAudio\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nPROFILE NAME=\r\nREGION=0\r\nSUB-REGION=0\r\n"), std::string::npos);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 22);
}

TEST_F(SettingsTest, KeysAreDistinctOnceUpperCasedAndStartAtTheirDefaults) {
    game.Settings.IniFill();
    const auto& lines = game.Settings.File().Lines;
    for (size_t i = 0; i < lines.size(); ++i) {
        for (size_t j = i + 1; j < lines.size(); ++j) EXPECT_NE(lines[i].Name, lines[j].Name);
    }
    EXPECT_EQ(game.Settings.File().Get("Sub-Region"), "0");
    EXPECT_EQ(game.Settings.File().Get("Sound Driver"), "FreeAudio");
}

TEST_F(SettingsTest, LoadedValuesReachTheHostAndUnknownKeysVanish) {
    Write(IniPath(),
          "full screen=0\nMUSIC VOLUME=150\nPROFILE NAME=A=B\nDRIVER=abc\nBOGUS=1\n"
          "SOUND DRIVER=DirectSound\n");
    game.Settings.IniFill();
    game.Settings.File().Load();
    game.Settings.IniExtract();
    EXPECT_EQ(game.Settings.FullScreen, 0);
    EXPECT_EQ(game.Presentation.MusicVolume, 150) << "clamped only when next set through the host";
    EXPECT_EQ(game.Settings.ProfileName, "A=B");
    EXPECT_EQ(game.Settings.Driver, 0);
    EXPECT_EQ(game.Settings.SoundDriver, "DirectSound");
    const std::string text = Slurp(IniPath());
    EXPECT_EQ(text.find("BOGUS"), std::string::npos);
    EXPECT_NE(text.find("FULL SCREEN=0\r\n"), std::string::npos);
}

TEST_F(SettingsTest, ACommandLineDisplayModeIsNotSaved) {
    Write(IniPath(), "FULL SCREEN=1\r\n");
    game.Settings.FullScreenOverride = 0;
    game.Settings.Load();
    EXPECT_EQ(game.Settings.FullScreen, 0) << "this run is windowed";
    game.Settings.Sound = 0;
    game.Settings.IniUpdate(1);
    EXPECT_NE(Slurp(IniPath()).find("FULL SCREEN=1\r\n"), std::string::npos);
    EXPECT_TRUE(fs::exists(root / "shared" / "inichanged.dat"));
}

TEST_F(SettingsTest, MusicLoweredForACelebrationIsNeverSavedAsThePlayersVolume) {
    game.Audio.SetVolume(TBus::Music, 70, 0);
    game.Audio.MusicLowerVolume(20);
    game.Audio.MusicLowerVolume(10);
    EXPECT_EQ(game.Presentation.MusicVolume, 10);
    EXPECT_EQ(game.Audio.Volume(TBus::Music), 70) << "lowering twice keeps the player's volume";
    // Any save meanwhile (the options' OK, a display switch) writes the player's volume.
    game.Settings.IniUpdate(1);
    EXPECT_NE(Slurp(IniPath()).find("MUSIC VOLUME=70\r\n"), std::string::npos);
    game.Audio.MusicRestoreVolume();
    EXPECT_EQ(game.Presentation.MusicVolume, 70);

    // A volume the player sets while the music is lowered is the one that stays.
    game.Audio.MusicLowerVolume(20);
    game.Audio.SetVolume(TBus::Music, 40, 1);
    EXPECT_NE(Slurp(IniPath()).find("MUSIC VOLUME=40\r\n"), std::string::npos);
    game.Audio.MusicRestoreVolume();
    EXPECT_EQ(game.Presentation.MusicVolume, 40);
}

TEST_F(SettingsTest, CrashAfterASettingsChangeRestoresTheDefaultsKeepingThePlayer) {
    Write(root / "program" / "Data" / "DEFAULT.INI", "FULL SCREEN=0\r\nprofile name=\r\n");
    Write(IniPath(), "FULL SCREEN=1\r\nPROFILE NAME=Ann\r\n");
    Write(root / "shared" / "inichanged.dat", "");
    game.Settings.CheckGoodExit();
    EXPECT_EQ(Slurp(IniPath()), "FULL SCREEN=0\r\nPROFILE NAME=Ann\r\n");
    EXPECT_FALSE(fs::exists(root / "shared" / "inichanged.dat"));
}

TEST_F(SettingsTest, RepairWithoutShippedDefaultsKeepsTheUsersFile) {
    Write(IniPath(), "FULL SCREEN=1\r\nPROFILE NAME=Ann\r\n");
    Write(root / "shared" / "inichanged.dat", "");
    game.Settings.CheckGoodExit();
    EXPECT_EQ(Slurp(IniPath()), "FULL SCREEN=1\r\nPROFILE NAME=Ann\r\n");
}

TEST_F(SettingsTest, ACleanExitMarkerMeansNoRepair) {
    Write(IniPath(), "FULL SCREEN=1\r\n");
    Write(root / "program" / "data" / "default.ini", "FULL SCREEN=0\r\n");
    game.Settings.MakeGoodExit();
    Write(root / "shared" / "inichanged.dat", "");
    game.Settings.CheckGoodExit();
    EXPECT_EQ(Slurp(IniPath()), "FULL SCREEN=1\r\n");
    EXPECT_FALSE(fs::exists(root / "shared" / "GoodExit.dat"));
    EXPECT_FALSE(fs::exists(root / "shared" / "inichanged.dat"));
}

// The preferences live beside the settings: saving them never touches the settings file, a
// later version's keys survive, and damage falls back to the defaults line by line.
TEST_F(SettingsTest, PreferencesRoundTripBesideTheSettings) {
    Write(IniPath(), "FULL SCREEN=1\r\n");
    const fs::path prefs = root / "shared" / "preferences.ini";
    Write(prefs, "language=pt_BR\r\nREDUCED MOTION=1\r\nFUTURE KEY=7\r\n\x01garbage\r\n");
    game.Preferences.Load();
    EXPECT_EQ(game.Preferences.Language, "pt_BR");
    EXPECT_TRUE(game.Preferences.ReducedMotion);

    game.Preferences.ReducedMotion = false;
    ASSERT_TRUE(game.Preferences.Save());
    EXPECT_EQ(Slurp(prefs), "Language=pt_BR\r\nReduced Motion=0\r\nFUTURE KEY=7\r\n");
    EXPECT_EQ(Slurp(IniPath()), "FULL SCREEN=1\r\n");

    Write(prefs, "LANGUAGE=../../etc\r\n");
    TPreferences fresh(game.Paths);
    fresh.Load();
    EXPECT_EQ(fresh.Language, "");
    EXPECT_FALSE(fresh.ReducedMotion);
}

}  // namespace
