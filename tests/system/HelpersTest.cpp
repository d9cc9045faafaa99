#include <filesystem>

#include "gtest/gtest.h"
#include "support/TempFolder.h"
#include "system/Paths.h"
#include "system/StringHelpers.h"

namespace {

TEST(Paths, FixPathEndsFoldersWithASeparator) {
    EXPECT_EQ(FixPath("Data/graphics"), "Data/graphics/");
    EXPECT_EQ(FixPath("Data/graphics/"), "Data/graphics/");
    EXPECT_EQ(FixPath("C:\\Games\\"), "C:\\Games\\");
    EXPECT_EQ(FixPath(""), "/");
}

TEST(Paths, DebugTagIsCutFromTheProgramName) {
    EXPECT_EQ(StripDebugTag("/games/quillox.debug.exe"), "/games/quillox.exe");
    EXPECT_EQ(StripDebugTag("/games/quillox.exe"), "/games/quillox.exe");
    EXPECT_EQ(StripDebugTag("debug"), "debug");
    EXPECT_FALSE(AppFileName().empty());
}

TEST(Paths, ReadWholeFileTellsEmptyFromMissing) {
    TempFolder folder;
    folder.Write("empty", "");
    folder.Write("bytes", std::string("a\0b", 3));
    EXPECT_EQ(ReadWholeFile(folder.File("empty")), std::optional<std::string>(""));
    EXPECT_EQ(ReadWholeFile(folder.File("bytes")),
              std::optional<std::string>(std::string("a\0b", 3)));
    EXPECT_EQ(ReadWholeFile(folder.File("missing")), std::nullopt);
    EXPECT_EQ(ReadWholeFile(folder.Path()), std::nullopt);
}

TEST(Paths, DataIsFoundBesideTheProgramFirstThenInItsSharedFolder) {
    TempFolder root("data-prefix");
    const auto isFolder = [](const std::string& path) {
        std::error_code error;
        return std::filesystem::is_directory(path, error);
    };
    // An installed tree: bin/quillox and share/quillox/Data.
    std::filesystem::create_directories(root / "usr/bin");
    std::filesystem::create_directories(root / "usr/share/quillox/Data");
    EXPECT_EQ(DataPrefixFor(root / "usr/bin", isFolder), root / "usr/bin/../share/quillox/");
    // A Data folder beside the program wins (a build folder or an unpacked copy).
    std::filesystem::create_directories(root / "usr/bin/Data");
    EXPECT_EQ(DataPrefixFor(root / "usr/bin/", isFolder), root / "usr/bin/");
    // A file named Data is no data folder; with none anywhere the program's folder is named,
    // so the load error points at the usual place.
    std::filesystem::create_directories(root / "loose");
    root.Write("loose/Data", "");
    EXPECT_EQ(DataPrefixFor(root / "loose", isFolder), root / "loose/");
}

TEST(StringHelpers, NextPowerOfTwo) {
    EXPECT_EQ(NextPowerOfTwo(0), 1);
    EXPECT_EQ(NextPowerOfTwo(1), 1);
    EXPECT_EQ(NextPowerOfTwo(600), 1024);
    EXPECT_EQ(NextPowerOfTwo(1024), 1024);
}

// Alphabets come from translations and names from players: every script survives the round trip,
// and broken bytes are dropped rather than read as letters.
TEST(StringHelpers, Utf8RoundTripsEveryScriptAndSkipsBrokenBytes) {
    const std::string text =
        "A\xc3\x84\xd0\x96\xe6\x99\xb6\xf0\x9f\x98\x80";  // A Ä Ж 晶 and an emoji
    const std::vector<int> codes = DecodeUtf8(text);
    EXPECT_EQ(codes, (std::vector<int>{0x41, 0xC4, 0x416, 0x6676, 0x1F600}));
    std::string back;
    for (const int c : codes) back += EncodeUtf8(c);
    EXPECT_EQ(back, text);
    EXPECT_EQ(DecodeUtf8("a\x80"
                         "b\xc3"),
              (std::vector<int>{'a', 'b'}));
    EXPECT_EQ(DecodeUtf8("\xe6\x41\x42"), (std::vector<int>{'A', 'B'}));
}

}  // namespace
