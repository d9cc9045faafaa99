#include <filesystem>

#include "store/RecordsTestSupport.h"
#include "store/THighScoreList.h"

namespace {

using records_test::Int32Bytes;
using records_test::RecordsTest;

class HighScoreListTest : public RecordsTest {
protected:
    THighScoreList Table() { return THighScoreList::Create(Folder.File("zindles"), 12); }

    static std::vector<int> Scores(const THighScoreList& list) {
        std::vector<int> scores;
        for (const THighScore& entry : list.Entries()) scores.push_back(entry.score);
        return scores;
    }

    static void ExpectPlayable(const THighScoreList& list) {
        ASSERT_EQ(list.Count(), THighScoreList::TableSize);
        int previous = INT_MAX;
        for (const THighScore& entry : list.Entries()) {
            EXPECT_LE(entry.score, previous);
            EXPECT_GE(entry.score, 0);
            EXPECT_GE(entry.level, 0);
            EXPECT_LE(entry.level, 15);
            ExpectStoredName(entry.name);
            previous = entry.score;
        }
    }
};

TEST_F(HighScoreListTest, FirstStartWritesTheDefaultTable) {
    THighScoreList list = Table();
    EXPECT_EQ(list.filepath, Folder.File("zindles.dat"));
    list.Load();
    EXPECT_EQ(Scores(list), (std::vector<int>{100, 90, 80, 70, 60, 50, 40, 30, 20, 10}));
    for (std::size_t i = 0; i < list.Count(); ++i) {
        EXPECT_EQ(list.Entries()[i].name, "Bexholt");
        EXPECT_EQ(list.Entries()[i].level, static_cast<int>(10 - i));
    }
    // "Bexholt" shifted, 0, score 100, level 10 starts the file.
    const std::string bytes = Folder.Read("zindles.dat");
    EXPECT_EQ(bytes.size(), 10u * (7 + 1 + 4 + 4));
    EXPECT_EQ(bytes.substr(0, 16),
              std::string("\x2B\x4E\x61\x51\x58\x55\x5D\0", 8) + Int32Bytes(100) + Int32Bytes(10));
}

TEST_F(HighScoreListTest, SaveAndLoadRoundTrip) {
    THighScoreList list = Table();
    list.Zero(10);
    list.RemoveLast();
    EXPECT_EQ(list.Insert("Ann", 1234, 7), 1);
    list.Save();
    EXPECT_EQ(Folder.Read("zindles.dat").substr(0, 4), std::string("\x2A\x57\x57\0", 4));

    THighScoreList again = Table();
    again.Load();
    ASSERT_EQ(again.Count(), 10u);
    EXPECT_EQ(again.Entries()[0].name, "Ann");
    EXPECT_EQ(again.Entries()[0].score, 1234);
    EXPECT_EQ(again.Entries()[0].level, 7);
    EXPECT_EQ(again.Entries()[9].name, "Empty");
    EXPECT_EQ(again.Bytes(), list.Bytes());
}

TEST_F(HighScoreListTest, InsertPositionsFollowRankAndTiesRankTheNewestHigher) {
    THighScoreList list = Table();
    list.Load();

    list.RemoveLast();
    EXPECT_EQ(list.Insert("Mid", 55, 3), 6);
    EXPECT_EQ(Scores(list), (std::vector<int>{100, 90, 80, 70, 60, 55, 50, 40, 30, 20}));

    EXPECT_EQ(list.Insert("Tie", 60, 2), 5);
    EXPECT_EQ(list.Entries()[4].name, "Tie");
    EXPECT_EQ(list.Entries()[5].name, "Bexholt");
    EXPECT_EQ(list.Insert("Top", 100, 1), 1);
    EXPECT_EQ(list.Count(), 12u) << "Insert does not trim";

    THighScoreList low = Table();
    low.Load();
    low.RemoveLast();
    EXPECT_EQ(low.Insert("Low", 10, 1), 10);
    EXPECT_EQ(low.Insert("Lowest", -5, 1), 11);

    low.Zero(10);
    EXPECT_EQ(Scores(low), std::vector<int>(10, 0));
    low.RemoveLast();
    EXPECT_EQ(low.Insert("Any", 1, 1), 1);
}

TEST_F(HighScoreListTest, NamesKeepOnlyCharactersTheFileCanHold) {
    THighScoreList list = Table();
    // A control character shifted by the cipher would become the terminator.
    list.Add(std::string("A\x17"
                         "B\x7F~ ",
                         6),
             5, 1);
    list.Save();
    EXPECT_EQ(Folder.Read("zindles.dat").substr(0, 5), std::string("\x2A\x2B\x67\x09\0", 5));
    list.Load();
    EXPECT_EQ(list.Entries().back().name, "AB~ ");
}

TEST_F(HighScoreListTest, NamesInOtherScriptsKeepTheirLettersAndLength) {
    THighScoreList list = Table();
    // Twelve letters of two bytes each: the length counts letters, not bytes.
    list.Add("Łukasz Юлия!", 5, 1);
    list.Save();
    // Each byte shifted as ASCII is, clear of the terminator: "Ł" is C5 81.
    EXPECT_EQ(Folder.Read("zindles.dat").substr(0, 2), std::string("\xAE\x6A"));
    list.Load();
    EXPECT_EQ(list.Entries().back().name, "Łukasz Юлия!");
}

TEST_F(HighScoreListTest, DamagedRowsAreDroppedOrBroughtIntoRange) {
    // Rows out of order, a byte that decodes to a control character, a name too long, a
    // negative score and a level past the last.
    std::string bytes;
    bytes += std::string("\x2A\x01\x57\0", 4) + Int32Bytes(5) + Int32Bytes(3);
    bytes += std::string(20, '\x2A') + '\0' + Int32Bytes(500) + Int32Bytes(99);
    bytes += std::string("\x2A\0", 2) + Int32Bytes(static_cast<std::uint32_t>(-7)) +
             Int32Bytes(static_cast<std::uint32_t>(-1));
    Folder.Write("zindles.dat", bytes);

    THighScoreList list = Table();
    list.Load();
    ExpectPlayable(list);
    EXPECT_EQ(list.Entries()[0].name, std::string(12, 'A'));
    EXPECT_EQ(list.Entries()[0].score, 500);
    EXPECT_EQ(list.Entries()[0].level, 15);
    // Default rows fill the table after the three read.
    EXPECT_EQ(Scores(list), (std::vector<int>{500, 70, 60, 50, 40, 30, 20, 10, 5, 0}));
    EXPECT_EQ(list.Entries()[8].name, "An");
    EXPECT_EQ(list.Entries()[9].level, 0);
    EXPECT_EQ(Folder.Read("zindles.dat"), bytes) << "loading must not rewrite the file";
}

TEST_F(HighScoreListTest, TruncatedAtEveryByteKeepsTheWholeRowsAndTenEntries) {
    THighScoreList full = Table();
    full.Zero(10);
    for (int i = 0; i < 10; ++i) {
        full.RemoveLast();
        full.Insert("P" + std::to_string(i), 1000 + i, i);
    }
    const std::string bytes = full.Bytes();
    for (std::size_t length = 0; length <= bytes.size(); ++length) {
        SCOPED_TRACE(length);
        THighScoreList list = Table();
        list.ReadBytes(std::string_view(bytes).substr(0, length));
        ExpectPlayable(list);
        // Every row is "Pn" (3 bytes with the terminator) and two ints: 11 bytes.
        const std::size_t whole = length / 11;
        for (std::size_t row = 0; row < whole; ++row) {
            EXPECT_EQ(list.Entries()[row].name, full.Entries()[row].name);
        }
        if (whole < 10) {
            EXPECT_EQ(list.Entries()[whole].name, "Bexholt");
        }
    }
}

TEST_F(HighScoreListTest, EmptyOversizedAndRandomFilesGiveAPlayableTable) {
    THighScoreList list = Table();
    Folder.Write("zindles.dat", "");
    list.Load();
    ExpectPlayable(list);
    EXPECT_EQ(list.Entries()[0].name, "Bexholt");

    THighScoreList many = Table();
    for (int i = 0; i < 25; ++i) many.Add("X", 100 - i, 1);
    list.ReadBytes(many.Bytes());
    ExpectPlayable(list);
    EXPECT_EQ(list.Entries()[9].score, 91);

    std::mt19937 random(99);
    for (int round = 0; round < 300; ++round) {
        list.ReadBytes(records_test::RandomBytes(random, random() % 400));
        ExpectPlayable(list);
    }
}

TEST_F(HighScoreListTest, UnreadableFileShowsDefaultsAndIsNeverOverwritten) {
    std::filesystem::create_directory(Folder.File("zindles.dat"));
    THighScoreList list = Table();
    list.Load();
    EXPECT_EQ(Reported, std::vector<std::string>{"Error loading file " + list.filepath});
    EXPECT_EQ(list.Count(), 10u);
    list.RemoveLast();
    list.Insert("Kit", 500, 4);
    list.Save();
    list.Zero(10);
    EXPECT_TRUE(std::filesystem::is_directory(list.filepath));
    EXPECT_EQ(Folder.Entries().size(), 1u);
}

TEST_F(HighScoreListTest, FileThatCannotBeWrittenEndsTheProgramNamingIt) {
    THighScoreList list = THighScoreList::Create(Folder.File("gone/zindles"), 12);
    EXPECT_EXIT(list.Load(), ::testing::ExitedWithCode(1),
                "Failed to save file .*gone/zindles.dat");
}

}  // namespace
