#include <filesystem>

#include "store/ProfileNames.h"
#include "store/RecordsTestSupport.h"

namespace {

TEST(ProfileNamesTest, OnlyHarmlessFileNamesAreSafe) {
    // Letters of any script make harmless file names too; the fonts decide which can be typed.
    for (const std::string name :
         {"Ann", "A", "Mary Jane", "O'Neil-2", "Twelve chars", "x.y", "trailing.", "{}[]()!@#$%&",
          "caf\xC3\xA9", "Łukasz", "Александрина", "晶豆"}) {
        EXPECT_TRUE(IsSafeProfileName(name)) << name;
    }
    for (const std::string& name : std::vector<std::string>{"",
                                                            ".",
                                                            "..",
                                                            ".Ann",
                                                            "../Ann",
                                                            "a/b",
                                                            "a\\b",
                                                            "C:",
                                                            "wild*",
                                                            "why?",
                                                            "\"q\"",
                                                            "<a>",
                                                            "a|b",
                                                            "Thirteen char",
                                                            std::string("tab\there"),
                                                            std::string("nul\0x", 5),
                                                            std::string("\x7F"),
                                                            "Александринаа",
                                                            std::string("caf\xC3"),
                                                            std::string("\xC0\xAF"),
                                                            std::string("\xED\xA0\x80"),
                                                            std::string("\xC2\x85"),
                                                            " Ann",
                                                            "Ann ",
                                                            " "}) {
        EXPECT_FALSE(IsSafeProfileName(name)) << name;
    }
}

TEST(ProfileNamesTest, ListingHoldsOnlyProfileFilesOfSafeNamesSorted) {
    TempFolder folder;
    for (const std::string file :
         {"Zed.dat", "Ann.dat", "bob.dat", ".dat", ".hidden.dat", "notes.txt", "Ann.dat.tmp",
          "Much too long a name.dat", "Mo.DAT"}) {
        folder.Write(file, "x");
    }
    std::filesystem::create_directory(folder.File("Dir.dat"));
    EXPECT_EQ(ListProfileNames(folder.Path()), (std::vector<std::string>{"Ann", "Zed", "bob"}));
    EXPECT_TRUE(ListProfileNames(folder.File("missing/")).empty());
}

TEST(ProfileNamesTest, BadRememberedNameFallsBackToTheFirstListedPlayer) {
    TempFolder folder;
    EXPECT_EQ(StartupProfileName("Ann", folder.Path()), "Ann");
    EXPECT_EQ(StartupProfileName("../../etc/passwd", folder.Path()), "");
    EXPECT_EQ(StartupProfileName("", folder.Path()), "");

    folder.Write("Bea.dat", "");
    folder.Write("Al.dat", "");
    EXPECT_EQ(StartupProfileName("../../etc/passwd", folder.Path()), "Al");
    EXPECT_EQ(StartupProfileName("", folder.Path()), "Al");
    EXPECT_EQ(StartupProfileName(std::string(40, 'n'), folder.Path()), "Al");
    EXPECT_EQ(StartupProfileName("Newcomer", folder.Path()), "Newcomer");
    // A remembered name with blanks about it is the player without them.
    EXPECT_EQ(StartupProfileName(" Bea  ", folder.Path()), "Bea");
    EXPECT_EQ(StartupProfileName("   ", folder.Path()), "Al");
    EXPECT_EQ(TrimmedName("  Mary Jane "), "Mary Jane");
}

}  // namespace
