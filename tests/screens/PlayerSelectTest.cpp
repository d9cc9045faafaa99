#include <filesystem>

#include "screens/GameDialogs.h"
#include "screens/PlayerSelect.h"
#include "store/RecordsTestSupport.h"
#include "store/TProfile.h"
#include "store/TSaveData.h"

namespace {

using records_test::RecordsTest;

constexpr std::size_t ProfileFieldBytes = 40 + TProfile::MAX_HINTS * 4;

class PlayerSelectTest : public RecordsTest {
protected:
    void SetUp() override { RecordsTest::SetUp(); }
    void TearDown() override { RecordsTest::TearDown(); }

    // A profile file of Init values followed by the given block.
    void WriteProfileWithBlock(const std::string& name, const std::string& block) {
        auto profile = TProfile::Create(name, Folder.Path());
        Folder.Write(name + ".dat", profile->Bytes() + block);
    }

    TSaveData Data;
};

TEST_F(PlayerSelectTest, NewPlayerGetsAFileEndingInTheInitialisedFlags) {
    Data.colorblind = 1;
    Data.FirstTime = 0;
    auto profile = SelectPlayer("Ann", Folder.Path(), Data);
    ASSERT_NE(profile, nullptr);
    EXPECT_EQ(Data.colorblind, 0);
    EXPECT_EQ(Data.FirstTime, 1);
    EXPECT_EQ(Data.Tutorial, 1);
    const std::string bytes = Folder.Read("Ann.dat");
    ASSERT_EQ(bytes.size(), ProfileFieldBytes + 3);
    EXPECT_EQ(bytes.substr(ProfileFieldBytes), std::string("\0\1\1", 3));
}

TEST_F(PlayerSelectTest, FlagsRoundTripThroughTheProfileFile) {
    auto profile = SelectPlayer("Bob", Folder.Path(), Data);
    Data.colorblind = 1;
    Data.FirstTime = 0;
    Data.Tutorial = 0;
    ASSERT_TRUE(profile->Save());
    EXPECT_EQ(Folder.Read("Bob.dat").substr(ProfileFieldBytes), std::string("\1\0\0", 3));

    auto again = SelectPlayer("Bob", Folder.Path(), Data);
    EXPECT_EQ(Data.colorblind, 1);
    EXPECT_EQ(Data.FirstTime, 0);
    EXPECT_EQ(Data.Tutorial, 0);
}

TEST_F(PlayerSelectTest, DamagedOrShortFlagBlocks) {
    // Bytes the game never writes read as set flags.
    WriteProfileWithBlock("Cy", std::string("\x07\xFF\x02", 3));
    auto profile = SelectPlayer("Cy", Folder.Path(), Data);
    EXPECT_EQ(Data.colorblind, 1);
    EXPECT_EQ(Data.FirstTime, 1);
    EXPECT_EQ(Data.Tutorial, 1);

    // Missing bytes keep the values a new profile starts with.
    for (const std::string& block : {std::string(), std::string("\1", 1), std::string("\1\0", 2)}) {
        SCOPED_TRACE(block.size());
        WriteProfileWithBlock("Di", block);
        auto short_profile = SelectPlayer("Di", Folder.Path(), Data);
        EXPECT_EQ(Data.colorblind, block.size() >= 1 ? 1 : 0);
        EXPECT_EQ(Data.FirstTime, block.size() >= 2 ? 0 : 1);
        EXPECT_EQ(Data.Tutorial, 1);
    }
}

TEST_F(PlayerSelectTest, UnsafeNamesSelectNobodyAndTouchNothing) {
    for (const std::string name : {"", "../Ann", ".x", "a/b", "Thirteen char", "tab\tname"}) {
        EXPECT_EQ(SelectPlayer(name, Folder.Path(), Data), nullptr) << name;
    }
    EXPECT_TRUE(Folder.Entries().empty());
}

TEST_F(PlayerSelectTest, ANewNameMustBeSafeAndNotTakenInAnyCase) {
    Folder.Write("Ann.dat", "");
    std::string message;
    EXPECT_EQ(ProfileNameCheck(Folder.Path(), "Bob", message), 1);
    EXPECT_EQ(message, "");
    for (const std::string name : {"Ann", "ANN", "ann"}) {
        EXPECT_EQ(ProfileNameCheck(Folder.Path(), name, message), -1) << name;
        EXPECT_EQ(message, "Error: a profile with this name already exists!");
    }
    EXPECT_EQ(ProfileNameCheck(Folder.Path(), ".hidden", message), -1);
    EXPECT_EQ(message, "Error: this name cannot be used!");
    EXPECT_EQ(ProfileNameCheck(Folder.Path(), "", message), 1)
        << "an empty name is refused by the prompt itself, without a message";
}

}  // namespace
