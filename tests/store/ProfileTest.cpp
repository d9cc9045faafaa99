#include <algorithm>
#include <cmath>
#include <filesystem>

#include "store/RecordsTestSupport.h"
#include "store/TByteReader.h"
#include "store/TByteWriter.h"
#include "store/TProfile.h"

namespace {

using records_test::Int32Bytes;
using records_test::RecordsTest;

constexpr std::size_t FieldBytes = 5 * 4 + 8 + 3 * 4;
constexpr std::size_t ProfileBytes = FieldBytes + TProfile::MAX_HINTS * 4;

class ProfileTest : public RecordsTest {
protected:
    // A profile with a value in every field, so that a byte landing in the wrong place shows.
    std::unique_ptr<TProfile> Filled(const std::string& name) {
        auto profile = TProfile::Create(name, Folder.Path());
        profile->CurrentLevel = 7;
        profile->LockedLevel = 9;
        profile->Score = 12345;
        profile->Lives = 2;
        profile->Kills = 2147483647;
        profile->TimeTaken = 98765.0;
        profile->Difficulty = 0;
        profile->TipsFlag = 0;
        profile->InstructionsFlag = 0;
        for (int i = 0; i < TProfile::MAX_HINTS; ++i) profile->HintsShown[i] = i % 3 == 1;
        return profile;
    }
};

TEST_F(ProfileTest, FileLayoutMasksTheFirstFiveFieldsWithGrowingOffsets) {
    auto profile = TProfile::Create("Ann", Folder.Path());
    ASSERT_TRUE(profile->Save());
    const std::string bytes = Folder.Read("Ann.dat");
    ASSERT_EQ(bytes.size(), ProfileBytes);

    // Init values: level 1, locked 2, score 0, lives 3, kills 0.
    EXPECT_EQ(bytes.substr(0, 4), Int32Bytes(0x5D13A7 + 1));
    EXPECT_EQ(bytes.substr(4, 4), Int32Bytes(0x5D13A7 + 0x1F4C62 + 2));
    EXPECT_EQ(bytes.substr(8, 4), Int32Bytes(0x5D13A7 + 2 * 0x1F4C62));
    EXPECT_EQ(bytes.substr(12, 4), Int32Bytes(0x5D13A7 + 3 * 0x1F4C62 + 3));
    EXPECT_EQ(bytes.substr(16, 4), Int32Bytes(0x5D13A7 + 4 * 0x1F4C62));
    EXPECT_EQ(bytes.substr(20, 8), std::string(8, '\0'));  // TimeTaken 0.0
    EXPECT_EQ(bytes.substr(28, 4), Int32Bytes(0));         // Difficulty
    EXPECT_EQ(bytes.substr(32, 4), Int32Bytes(1));         // TipsFlag
    EXPECT_EQ(bytes.substr(36, 4), Int32Bytes(1));         // InstructionsFlag
    EXPECT_EQ(bytes.substr(40), std::string(TProfile::MAX_HINTS * 4, '\0'));
}

TEST_F(ProfileTest, MaskingWrapsAroundAndTimeIsAPlainDouble) {
    auto profile = TProfile::Create("Ann", Folder.Path());
    profile->Kills = 2147483647;
    profile->Score = -1;
    profile->TimeTaken = 1.5;
    const std::string bytes = profile->Bytes();
    EXPECT_EQ(bytes.substr(8, 4), Int32Bytes(0x5D13A7u + 2 * 0x1F4C62u - 1u));
    EXPECT_EQ(bytes.substr(16, 4), Int32Bytes(2147483647u + 0x5D13A7u + 4 * 0x1F4C62u));
    EXPECT_EQ(bytes.substr(20, 8), std::string("\0\0\0\0\0\0\xF8\x3F", 8));
}

TEST_F(ProfileTest, SaveAndLoadRoundTripEveryFieldAndTheGamesData) {
    auto written = Filled("Bob");
    written->SaveUserFunction = [](TByteWriter& out) { out.WriteBytes("xyz"); };
    ASSERT_TRUE(written->Save());
    EXPECT_EQ(Folder.Read("Bob.dat").size(), ProfileBytes + 3);

    auto read = TProfile::Create("Bob", Folder.Path());
    std::string userData;
    read->LoadUserFunction = [&userData](TByteReader& in) {
        std::uint8_t b = 0;
        while (in.ReadByte(b)) userData.push_back(static_cast<char>(b));
    };
    EXPECT_EQ(read->Load(), 1);
    EXPECT_EQ(read->CurrentLevel, 7);
    EXPECT_EQ(read->LockedLevel, 9);
    EXPECT_EQ(read->Score, 12345);
    EXPECT_EQ(read->Lives, 2);
    EXPECT_EQ(read->Kills, 2147483647);
    EXPECT_EQ(read->TimeTaken, 98765.0);
    EXPECT_EQ(read->Difficulty, 0);
    EXPECT_EQ(read->TipsFlag, 0);
    EXPECT_EQ(read->InstructionsFlag, 0);
    EXPECT_EQ(read->HintsShown, written->HintsShown);
    EXPECT_EQ(userData, "xyz");
}

TEST_F(ProfileTest, CreateInitialisesWithoutTouchingTheFile) {
    auto profile = TProfile::Create("Cy", Folder.Path());
    EXPECT_EQ(profile->CurrentLevel, 1);
    EXPECT_EQ(profile->LockedLevel, 2);
    EXPECT_EQ(profile->Lives, 3);
    EXPECT_EQ(profile->TipsFlag, 1);
    EXPECT_EQ(profile->InstructionsFlag, 1);
    EXPECT_FALSE(Folder.Exists("Cy.dat"));
}

TEST_F(ProfileTest, HintsAreShownOnceAndSavedOnlyWhenAsked) {
    auto profile = TProfile::Create("Dee", Folder.Path());
    EXPECT_EQ(profile->ShowHint(5, 1), 1);
    ASSERT_TRUE(Folder.Exists("Dee.dat"));
    EXPECT_EQ(Folder.Read("Dee.dat").substr(40 + 5 * 4, 4), Int32Bytes(1));

    std::filesystem::remove(Folder.File("Dee.dat"));
    EXPECT_EQ(profile->ShowHint(5, 1), 0);
    EXPECT_FALSE(Folder.Exists("Dee.dat")) << "a hint already shown must not save again";

    EXPECT_EQ(profile->ShowHint(6, 0), 1);
    EXPECT_FALSE(Folder.Exists("Dee.dat"));
    EXPECT_EQ(profile->ShowHint(-1, 1), 0);
    EXPECT_EQ(profile->ShowHint(TProfile::MAX_HINTS, 1), 0);

    profile->HintsSet(1);
    EXPECT_EQ(profile->ShowHint(50, 1), 0);
    profile->ClearHints();
    EXPECT_EQ(profile->ShowHint(50, 0), 1);
}

TEST_F(ProfileTest, MissingFileIsCreatedFromTheCurrentValues) {
    auto profile = TProfile::Create("Eve", Folder.Path());
    profile->Score = 77;
    EXPECT_EQ(profile->Load(), 0);
    ASSERT_TRUE(Folder.Exists("Eve.dat"));
    EXPECT_EQ(Folder.Read("Eve.dat"), profile->Bytes());
    EXPECT_TRUE(Reported.empty());
}

TEST_F(ProfileTest, UnreadableFileIsReportedAndNeverOverwritten) {
    // A folder where the file should be cannot be read, even by root.
    std::filesystem::create_directory(Folder.File("Fay.dat"));
    auto profile = TProfile::Create("Fay", Folder.Path());
    EXPECT_EQ(profile->Load(), 0);
    ASSERT_EQ(Reported.size(), 1u);
    EXPECT_EQ(Reported[0], "Error loading file " + Folder.File("Fay.dat"));
    EXPECT_FALSE(profile->Save());
    EXPECT_TRUE(std::filesystem::is_directory(Folder.File("Fay.dat")));
    EXPECT_EQ(Folder.Entries().size(), 1u) << "no temporary file may be left behind";

    // Another player in the same object is saved as usual.
    profile->Name = "Gil";
    EXPECT_TRUE(profile->Save());
    EXPECT_TRUE(Folder.Exists("Gil.dat"));
}

TEST_F(ProfileTest, UnsafeNamesNeverTouchTheDisk) {
    for (const std::string name : {"", "../evil", ".hidden", "a/b", "waytoolongname"}) {
        auto profile = TProfile::Create(name, Folder.Path());
        EXPECT_EQ(profile->Load(), 0) << name;
        EXPECT_FALSE(profile->Save()) << name;
    }
    EXPECT_TRUE(Folder.Entries().empty());
    EXPECT_FALSE(std::filesystem::exists(Folder.Path() + "../evil.dat"));
    // No player chosen yet is no error worth a message box; a bad name is.
    EXPECT_EQ(Reported.size(), 4u);
}

TEST_F(ProfileTest, FileThatCannotBeWrittenEndsTheProgramNamingIt) {
    auto profile = TProfile::Create("Hal", Folder.File("gone/"));
    EXPECT_EXIT(profile->Save(), ::testing::ExitedWithCode(1),
                "Could not create file '.*gone/Hal.dat'");
}

TEST_F(ProfileTest, TruncatedFileKeepsInitValuesForEveryMissingField) {
    auto full = Filled("Ivy");
    full->SaveUserFunction = [](TByteWriter& out) { out.WriteBytes("\x01\x02\x03"); };
    const std::string bytes = full->Bytes();
    const auto init = TProfile::Create("Ivy", Folder.Path());

    for (std::size_t length = 0; length <= bytes.size(); ++length) {
        SCOPED_TRACE(length);
        auto read = TProfile::Create("Ivy", Folder.Path());
        read->HintsSet(9);
        std::string userData;
        read->LoadUserFunction = [&userData](TByteReader& in) {
            std::uint8_t b = 0;
            while (in.ReadByte(b)) userData.push_back(static_cast<char>(b));
        };
        read->ReadBytes(std::string_view(bytes).substr(0, length));

        auto expect = [length](std::size_t end, auto fromFile, auto fromInit) {
            return length >= end ? fromFile : fromInit;
        };
        EXPECT_EQ(read->CurrentLevel, expect(4, full->CurrentLevel, init->CurrentLevel));
        EXPECT_EQ(read->LockedLevel, expect(8, full->LockedLevel, init->LockedLevel));
        EXPECT_EQ(read->Score, expect(12, full->Score, init->Score));
        EXPECT_EQ(read->Lives, expect(16, full->Lives, init->Lives));
        EXPECT_EQ(read->Kills, expect(20, full->Kills, init->Kills));
        EXPECT_EQ(read->TimeTaken, expect(28, full->TimeTaken, init->TimeTaken));
        EXPECT_EQ(read->Difficulty, expect(32, full->Difficulty, init->Difficulty));
        EXPECT_EQ(read->TipsFlag, expect(36, full->TipsFlag, init->TipsFlag));
        EXPECT_EQ(read->InstructionsFlag, expect(40, full->InstructionsFlag, 1));
        for (int i = 0; i < TProfile::MAX_HINTS; ++i) {
            const std::size_t end = 40 + 4 * static_cast<std::size_t>(i + 1);
            ASSERT_EQ(read->HintsShown[i], length >= end ? full->HintsShown[i] : 0) << i;
        }
        EXPECT_EQ(userData, length > ProfileBytes
                                ? bytes.substr(ProfileBytes, length - ProfileBytes)
                                : std::string());
    }
}

TEST_F(ProfileTest, DamagedFilesAreRepairedIntoPlayableRangesAndKeptBeside) {
    std::mt19937 random(1234);
    std::vector<std::string> damaged = {"", std::string(443, '\x7F'), std::string(439, '\0')};
    for (int round = 0; round < 100; ++round) {
        damaged.push_back(records_test::RandomBytes(random, random() % 900));
    }
    // One field out of range in a file that is otherwise fine.
    auto oneBad = Filled("Jo");
    oneBad->Score = 494001;  // more than a full level score for every second played
    damaged.push_back(oneBad->Bytes());

    for (const std::string& bytes : damaged) {
        Folder.Write("Jo.dat", bytes);
        std::filesystem::remove(Folder.File("Jo.dat.damaged"));
        auto profile = TProfile::Create("Jo", Folder.Path());
        EXPECT_EQ(profile->Load(), 1);
        EXPECT_EQ(Folder.Read("Jo.dat.damaged"), bytes);
        EXPECT_EQ(Folder.Read("Jo.dat"), profile->Bytes());
        EXPECT_GE(profile->CurrentLevel, 1);
        EXPECT_LT(profile->CurrentLevel, profile->LockedLevel);
        EXPECT_LE(profile->LockedLevel, 16);
        EXPECT_GE(profile->Score, 0);
        EXPECT_LE(profile->Score, 1000 * (profile->TimeTaken / 200 + 1));
        EXPECT_EQ(profile->TimeTaken, std::floor(profile->TimeTaken));
        for (const int flag :
             {profile->TipsFlag, profile->InstructionsFlag, profile->Difficulty,
              *std::max_element(profile->HintsShown.begin(), profile->HintsShown.end())}) {
            EXPECT_TRUE(flag == 0 || flag == 1);
        }
        EXPECT_FALSE(profile->RepairFields()) << "a repaired profile is whole";
    }
    EXPECT_EQ(Reported.size(), 0u) << "a mended file is logged, not shown";

    // The one bad field is the only one that changes.
    auto read = TProfile::Create("Jo", Folder.Path());
    EXPECT_EQ(read->Load(), 1);
    EXPECT_EQ(read->Score, 0);
    EXPECT_EQ(read->CurrentLevel, 7);
    EXPECT_EQ(read->TimeTaken, 98765.0);
    EXPECT_EQ(read->Kills, 2147483647);

    // A sound file is read and left alone.
    std::filesystem::remove(Folder.File("Jo.dat.damaged"));
    const std::string sound = Filled("Jo")->Bytes();
    Folder.Write("Jo.dat", sound);
    EXPECT_EQ(TProfile::Create("Jo", Folder.Path())->Load(), 1);
    EXPECT_EQ(Folder.Read("Jo.dat"), sound);
    EXPECT_FALSE(Folder.Exists("Jo.dat.damaged"));
}

}  // namespace
