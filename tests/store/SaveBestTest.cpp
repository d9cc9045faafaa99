#include <filesystem>

#include "store/RecordsTestSupport.h"
#include "store/TSaveBest.h"

namespace {

using records_test::Int32Bytes;
using records_test::RecordsTest;

class SaveBestTest : public RecordsTest {
protected:
    TSaveBest Best;

    void SetUp() override {
        RecordsTest::SetUp();
        // Start every test from something no file holds.
        Best.Results.BestLevelScores.fill(-1);
        Best.Results.BestLevelScoreNames.fill("stale");
        Best.Results.BestLevelTimes.fill(-1);
        Best.Results.BestLevelTimeNames.fill("stale");
    }

    void ExpectDefaults(int fromLevel) const {
        for (int i = fromLevel; i < LevelCount; ++i) {
            EXPECT_EQ(Best.Results.BestLevelScores[i], 0) << i;
            EXPECT_EQ(Best.Results.BestLevelScoreNames[i], "------------") << i;
            EXPECT_EQ(Best.Results.BestLevelTimes[i], 0) << i;
            EXPECT_EQ(Best.Results.BestLevelTimeNames[i], "-----------") << i;
        }
    }

    void ExpectPlayable() const {
        for (int i = 0; i < LevelCount; ++i) {
            EXPECT_GE(Best.Results.BestLevelScores[i], 0);
            EXPECT_GE(Best.Results.BestLevelTimes[i], 0);
            for (const std::string& name :
                 {Best.Results.BestLevelScoreNames[i], Best.Results.BestLevelTimeNames[i]}) {
                ExpectStoredName(name);
            }
        }
    }

    // Every level with its own holder and values.
    void FillDistinct() {
        for (int i = 0; i < LevelCount; ++i) {
            Best.Results.BestLevelScores[i] = 1000 - i;
            Best.Results.BestLevelScoreNames[i] = "S" + std::to_string(i);
            Best.Results.BestLevelTimes[i] = 20000 + i;
            Best.Results.BestLevelTimeNames[i] = "T" + std::to_string(i);
        }
    }
};

TEST_F(SaveBestTest, FreshInstallationWritesA495ByteFileOfDefaults) {
    Best = TSaveBest::Create(Folder.Path());
    EXPECT_EQ(Best.FilePath(), Folder.File("stats.dat"));
    ExpectDefaults(0);
    const std::string bytes = Folder.Read("stats.dat");
    ASSERT_EQ(bytes.size(), 495u);
    // '-' (45) is stored as 22; every record: name, 0, int32 0.
    const std::string scoreRecord = std::string(12, '\x16') + '\0' + Int32Bytes(0);
    const std::string timeRecord = std::string(11, '\x16') + '\0' + Int32Bytes(0);
    for (int i = 0; i < LevelCount; ++i) {
        EXPECT_EQ(bytes.substr(i * 17, 17), scoreRecord);
        EXPECT_EQ(bytes.substr(15 * 17 + i * 16, 16), timeRecord);
    }
}

TEST_F(SaveBestTest, SaveAndLoadRoundTripWithTheShiftedNames) {
    Best = TSaveBest::Create(Folder.Path());
    FillDistinct();
    Best.Results.BestLevelScoreNames[0] = "Ann";
    Best.Save();
    EXPECT_EQ(Folder.Read("stats.dat").substr(0, 8),
              std::string("\x2A\x57\x57\0", 4) + Int32Bytes(1000));

    Best.Results.BestLevelScores.fill(-1);
    Best.Results.BestLevelTimeNames.fill("");
    Best = TSaveBest::Create(Folder.Path());
    EXPECT_EQ(Best.Results.BestLevelScoreNames[0], "Ann");
    for (int i = 0; i < LevelCount; ++i) {
        EXPECT_EQ(Best.Results.BestLevelScores[i], 1000 - i);
        EXPECT_EQ(Best.Results.BestLevelTimes[i], 20000 + i);
        EXPECT_EQ(Best.Results.BestLevelTimeNames[i], "T" + std::to_string(i));
    }
}

TEST_F(SaveBestTest, TruncatedAtEveryByteKeepsWholeRecordsAndDefaultsTheRest) {
    FillDistinct();
    const std::string bytes = Best.Bytes();
    // Score records "Sn" or "Snn" with terminator and value; time records likewise.
    std::vector<std::size_t> ends;
    std::size_t at = 0;
    for (int i = 0; i < LevelCount; ++i) ends.push_back(at += (i < 10 ? 2 : 3) + 1 + 4);
    for (int i = 0; i < LevelCount; ++i) ends.push_back(at += (i < 10 ? 2 : 3) + 1 + 4);
    ASSERT_EQ(at, bytes.size());

    for (std::size_t length = 0; length <= bytes.size(); ++length) {
        SCOPED_TRACE(length);
        Best.ReadBytes(std::string_view(bytes).substr(0, length));
        ExpectPlayable();
        for (int i = 0; i < LevelCount; ++i) {
            const bool scoreRead = length >= ends[i];
            ASSERT_EQ(Best.Results.BestLevelScores[i], scoreRead ? 1000 - i : 0);
            ASSERT_EQ(Best.Results.BestLevelScoreNames[i],
                      scoreRead ? "S" + std::to_string(i) : std::string(12, '-'));
            const bool timeRead = length >= ends[LevelCount + i];
            ASSERT_EQ(Best.Results.BestLevelTimes[i], timeRead ? 20000 + i : 0);
            ASSERT_EQ(Best.Results.BestLevelTimeNames[i],
                      timeRead ? "T" + std::to_string(i) : std::string(11, '-'));
        }
    }
}

TEST_F(SaveBestTest, DamagedValuesAndNamesAreBroughtIntoRange) {
    std::string bytes;
    bytes +=
        std::string("\x2A\x01\xF0\x57", 4) + '\0' + Int32Bytes(static_cast<std::uint32_t>(-50));
    bytes += std::string(40, '\x2A') + '\0' + Int32Bytes(7);
    Best.ReadBytes(bytes);
    EXPECT_EQ(Best.Results.BestLevelScoreNames[0], "An");
    EXPECT_EQ(Best.Results.BestLevelScores[0], 0);
    EXPECT_EQ(Best.Results.BestLevelScoreNames[1], std::string(12, 'A'));
    EXPECT_EQ(Best.Results.BestLevelScores[1], 7);
    ExpectDefaults(2);

    Best.ReadBytes("");
    ExpectDefaults(0);

    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        Best.ReadBytes(records_test::RandomBytes(random, random() % 700));
        ExpectPlayable();
    }
}

TEST_F(SaveBestTest, EmptyFileGivesDefaultsWithoutBeingRewritten) {
    Folder.Write("stats.dat", "");
    Best = TSaveBest::Create(Folder.Path());
    ExpectDefaults(0);
    EXPECT_EQ(Folder.Read("stats.dat"), "");
    EXPECT_TRUE(Reported.empty());
}

TEST_F(SaveBestTest, UnreadableFileIsReportedAndNeverOverwritten) {
    std::filesystem::create_directory(Folder.File("stats.dat"));
    Best = TSaveBest::Create(Folder.Path());
    EXPECT_EQ(Reported, std::vector<std::string>{"Error loading file " + Folder.File("stats.dat")});
    ExpectDefaults(0);
    Best.Results.BestLevelScores[0] = 10;
    Best.Save();
    Best.DefaultBest();
    Best.Save();
    EXPECT_TRUE(std::filesystem::is_directory(Folder.File("stats.dat")));
    EXPECT_EQ(Folder.Entries().size(), 1u);
}

TEST_F(SaveBestTest, FileThatCannotBeWrittenEndsTheProgramNamingStatsDat) {
    EXPECT_EXIT(TSaveBest::Create(Folder.File("gone/")), ::testing::ExitedWithCode(1),
                "Failed to save file .*gone/stats.dat");
}

}  // namespace
