#include "gmock/gmock.h"
#include "gtest/gtest.h"
#include "store/IniValues.h"
#include "store/TIniFile.h"
#include "support/TempFolder.h"
#include "system/ReportError.h"

namespace {

using ::testing::ElementsAre;

class TIniFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ini.FileName = folder.File("quillox");
        ini.Add("Full Screen", "1");
        ini.Add("Sound Volume", "100");
        ini.Add("Profile Name", "");
    }

    TempFolder folder;
    TIniFile ini;
};

TEST_F(TIniFileTest, SaveWritesUpperCaseKeysWithCrLf) {
    ini.Save();
    EXPECT_EQ(folder.Read("quillox.ini"), "FULL SCREEN=1\r\nSOUND VOLUME=100\r\nPROFILE NAME=\r\n");
    EXPECT_EQ(folder.EntryCount(), 1);
}

TEST_F(TIniFileTest, LoadOverlaysTheFileAndRewritesItCanonically) {
    folder.Write("quillox.ini",
                 "full screen=0\r\n"
                 "Unknown=5\r\n"
                 "PROFILE NAME=A=B\r\n"
                 "Sound Volume=150\n"
                 "sound volume= 70 \r\n");
    ini.Load();
    EXPECT_EQ(ini.Get("FULL SCREEN"), "0");
    EXPECT_EQ(ini.Get("profile name"), "A=B");
    EXPECT_EQ(ini.Get("Sound Volume"), " 70 ");  // the last line wins, blanks kept
    // Unknown keys vanish and the list's order is kept.
    EXPECT_EQ(folder.Read("quillox.ini"),
              "FULL SCREEN=0\r\nSOUND VOLUME= 70 \r\nPROFILE NAME=A=B\r\n");
}

TEST_F(TIniFileTest, LoadOfAPartialFileAddsTheMissingKeysWithTheirDefaults) {
    folder.Write("quillox.ini", "Profile Name=Ann");
    ini.Load();
    EXPECT_EQ(folder.Read("quillox.ini"),
              "FULL SCREEN=1\r\nSOUND VOLUME=100\r\nPROFILE NAME=Ann\r\n");
}

TEST_F(TIniFileTest, LoadOfAMissingFileWritesTheDefaults) {
    ini.Load();
    EXPECT_EQ(folder.Read("quillox.ini"), ini.Text());
}

TEST_F(TIniFileTest, ZeroByteEndsALineAndCrIsDroppedAnywhere) {
    folder.Write("quillox.ini", std::string("FULL SCREEN=0\0SOUND VOLUME=4\r2\r\n", 33));
    ini.Load();
    EXPECT_EQ(ini.Get("Full Screen"), "0");
    EXPECT_EQ(ini.Get("Sound Volume"), "42");
}

TEST(TIniLine, SplitsFileLinesAndParsesKeys) {
    EXPECT_THAT(TIniLine::SplitFileLines("a\r\n\r\nb"), ElementsAre("a", "", "b"));
    EXPECT_THAT(TIniLine::SplitFileLines("a\n"), ElementsAre("a"));
    EXPECT_THAT(TIniLine::SplitFileLines(""), ElementsAre());
    const TIniLine noEquals = TIniLine::Parse("just text");
    EXPECT_EQ(noEquals.Name, "JUST TEXT");
    EXPECT_EQ(noEquals.Value, "");
    const TIniLine empty = TIniLine::Parse("Key=");
    EXPECT_EQ(empty.Name, "KEY");
    EXPECT_EQ(empty.Value, "");
}

TEST(TIniLine, IntValueReadsALeadingNumberOnly) {
    auto value = [](const std::string& text) { return TIniLine{"K", text}.IntValue(); };
    EXPECT_EQ(value("150"), 150);
    EXPECT_EQ(value("-7"), -7);
    EXPECT_EQ(value("+3"), 3);
    EXPECT_EQ(value("12abc"), 12);
    EXPECT_EQ(value("yes"), 0);
    EXPECT_EQ(value(""), 0);
    EXPECT_EQ(value("-"), 0);
    EXPECT_EQ(value("99999999999999999999"), 2147483647);
    EXPECT_EQ(value("-99999999999999999999"), -2147483647 - 1);
}

using TIniFileDeathTest = TIniFileTest;

TEST_F(TIniFileDeathTest, UnwritableFileIsAFatalError) {
    ini.FileName = folder.File("missing/quillox");
    Errors() = ErrorReporting{};
    Errors().ErrorsOnScreen = 1;
    Errors().ErrorLogFolder = folder.Path();
    Errors().ErrorBoxFunction = [](const std::string&) {};
    EXPECT_EXIT(ini.Save(), ::testing::ExitedWithCode(1), "");
    EXPECT_NE(folder.Read("ErrorLog.txt").find("Failed to save file " + ini.Path()),
              std::string::npos);
    Errors() = ErrorReporting{};
}

TEST(IniValues, ReadIniValueFindsTheFirstMatchingLine) {
    TempFolder folder;
    folder.Write("a.ini", "SOUND=1\r\nprofile name=Zoe=1\r\nPROFILE NAME=second\r\n");
    EXPECT_EQ(ReadIniValue(folder.File("a.ini"), "Profile Name"), "Zoe=1");
    EXPECT_EQ(ReadIniValue(folder.File("a.ini"), "Music"), "");
    EXPECT_EQ(ReadIniValue(folder.File("none.ini"), "Sound"), "");
}

TEST(IniValues, CopyReplacesTheKeyInUpperCase) {
    TempFolder folder;
    folder.Write("Default.ini", "Full Screen=1\r\nprofile name=\r\nOther\n");
    folder.Write("user.ini", "old");
    ASSERT_EQ(CopyIniWithValue(folder.File("default.INI"), folder.File("user.ini"), "Profile Name",
                               "Ann=B"),
              1);
    EXPECT_EQ(folder.Read("user.ini"), "Full Screen=1\r\nPROFILE NAME=Ann=B\r\nOther\r\n");

    // No source: nothing is written and the target stays as it was.
    EXPECT_EQ(CopyIniWithValue(folder.File("gone.ini"), folder.File("user.ini"), "X", "1"), 0);
    EXPECT_EQ(folder.Read("user.ini"), "Full Screen=1\r\nPROFILE NAME=Ann=B\r\nOther\r\n");
    EXPECT_EQ(CopyIniWithValue(folder.File("Default.ini"), folder.File("no/user.ini"), "X", "1"),
              0);
}

}  // namespace
