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
        game.UseCorrectPath = 1;
        game.SubPath = (root / "shared").string() + "/";
        game.DataPrefix = (root / "program").string() + "/";
        game.Ini->FileName = game.IniFileName();
    }
    fs::path IniPath() const { return game.Ini->FileName + ".ini"; }
};

TEST_F(SettingsTest, FileIsWrittenInCanonicalFormWithEveryKeyInOrder) {
    game.IniFill();
    game.Ini->Save();
    const std::string text = Slurp(IniPath());
    EXPECT_EQ(text.substr(0, 31), "FULL SCREEN=1\r\nSOUND=1\r\nMUSIC=1");
    EXPECT_NE(text.find("\r\nSOUND DRIVER=FreeAudio\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nPROFILE NAME=\r\nREGION=0\r\nSUB-REGION=0\r\n"), std::string::npos);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 22);
}

TEST_F(SettingsTest, KeysAreDistinctOnceUpperCasedAndStartAtTheirDefaults) {
    game.IniFill();
    const auto& lines = game.Ini->Lines;
    for (size_t i = 0; i < lines.size(); ++i) {
        for (size_t j = i + 1; j < lines.size(); ++j) EXPECT_NE(lines[i].Name, lines[j].Name);
    }
    EXPECT_EQ(game.Ini->Get("Sub-Region"), "0");
    EXPECT_EQ(game.Ini->Get("Sound Driver"), "FreeAudio");
}

TEST_F(SettingsTest, LoadedValuesReachTheHostAndUnknownKeysVanish) {
    Write(IniPath(),
          "full screen=0\nMUSIC VOLUME=150\nPROFILE NAME=A=B\nDRIVER=abc\nBOGUS=1\n"
          "SOUND DRIVER=DirectSound\n");
    game.IniFill();
    game.Ini->Load();
    game.IniExtract();
    EXPECT_EQ(game.FullScreen, 0);
    EXPECT_EQ(game.Presentation.MusicVolume, 150) << "clamped only when next set through the host";
    EXPECT_EQ(game.ProfileName, "A=B");
    EXPECT_EQ(game.Driver, 0);
    EXPECT_EQ(game.SoundDriver, "DirectSound");
    const std::string text = Slurp(IniPath());
    EXPECT_EQ(text.find("BOGUS"), std::string::npos);
    EXPECT_NE(text.find("FULL SCREEN=0\r\n"), std::string::npos);
}

TEST_F(SettingsTest, ACommandLineDisplayModeIsNotSaved) {
    game.FullScreen = 1;
    game.FullScreenOverride = 0;
    game.FullScreenSaved = 1;
    game.FullScreen = 0;
    game.IniUpdate(1);
    EXPECT_NE(Slurp(IniPath()).find("FULL SCREEN=1\r\n"), std::string::npos);
    EXPECT_TRUE(fs::exists(root / "shared" / "inichanged.dat"));
}

TEST_F(SettingsTest, MusicLoweredForACelebrationIsNeverSavedAsThePlayersVolume) {
    game.MusicSetVolume(70, 0);
    game.MusicLowerVolume(20);
    game.MusicLowerVolume(10);
    EXPECT_EQ(game.Presentation.MusicVolume, 10);
    EXPECT_EQ(game.MusicChosenVolume(), 70) << "lowering twice keeps the player's volume";
    // Any save meanwhile (the options' OK, a display switch) writes the player's volume.
    game.IniUpdate(1);
    EXPECT_NE(Slurp(IniPath()).find("MUSIC VOLUME=70\r\n"), std::string::npos);
    game.MusicRestoreVolume();
    EXPECT_EQ(game.Presentation.MusicVolume, 70);

    // A volume the player sets while the music is lowered is the one that stays.
    game.MusicLowerVolume(20);
    game.MusicSetVolume(40, 1);
    EXPECT_NE(Slurp(IniPath()).find("MUSIC VOLUME=40\r\n"), std::string::npos);
    game.MusicRestoreVolume();
    EXPECT_EQ(game.Presentation.MusicVolume, 40);
}

TEST_F(SettingsTest, CrashAfterASettingsChangeRestoresTheDefaultsKeepingThePlayer) {
    Write(root / "program" / "Data" / "DEFAULT.INI", "FULL SCREEN=0\r\nprofile name=\r\n");
    Write(IniPath(), "FULL SCREEN=1\r\nPROFILE NAME=Ann\r\n");
    Write(root / "shared" / "inichanged.dat", "");
    game.CheckGoodExit();
    EXPECT_EQ(Slurp(IniPath()), "FULL SCREEN=0\r\nPROFILE NAME=Ann\r\n");
    EXPECT_FALSE(fs::exists(root / "shared" / "inichanged.dat"));
}

TEST_F(SettingsTest, RepairWithoutShippedDefaultsKeepsTheUsersFile) {
    Write(IniPath(), "FULL SCREEN=1\r\nPROFILE NAME=Ann\r\n");
    Write(root / "shared" / "inichanged.dat", "");
    game.CheckGoodExit();
    EXPECT_EQ(Slurp(IniPath()), "FULL SCREEN=1\r\nPROFILE NAME=Ann\r\n");
}

TEST_F(SettingsTest, ACleanExitMarkerMeansNoRepair) {
    Write(IniPath(), "FULL SCREEN=1\r\n");
    Write(root / "program" / "data" / "default.ini", "FULL SCREEN=0\r\n");
    TGame::MakeGoodExit();
    Write(root / "shared" / "inichanged.dat", "");
    game.CheckGoodExit();
    EXPECT_EQ(Slurp(IniPath()), "FULL SCREEN=1\r\n");
    EXPECT_FALSE(fs::exists(root / "shared" / "GoodExit.dat"));
    EXPECT_FALSE(fs::exists(root / "shared" / "inichanged.dat"));
}

}  // namespace
