// The random sequence and date formats.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <map>

#include "media/Media.h"

namespace {

TEST(RandomTest, SameSeedSameSequenceOnEveryMachine) {
    media::SeedRandom(1234);
    std::vector<int> first;
    for (int i = 0; i < 8; ++i) first.push_back(media::RandomInt(0, 1000000));
    media::SeedRandom(1234);
    std::vector<int> second;
    for (int i = 0; i < 8; ++i) second.push_back(media::RandomInt(0, 1000000));
    EXPECT_EQ(first, second);

    // Pinned values: saved games and tests that seed the generator rely on them.
    media::SeedRandom(1);
    EXPECT_EQ(media::RandomInt(1, 100), 59);
    EXPECT_EQ(media::RandomInt(1, 100), 52);
}

TEST(RandomTest, WholeNumbersCoverTheClosedRangeEvenly) {
    media::SeedRandom(7);
    std::map<int, int> counts;
    for (int i = 0; i < 60000; ++i) ++counts[media::RandomInt(1, 6)];
    ASSERT_EQ(counts.size(), 6u);
    EXPECT_EQ(counts.begin()->first, 1);
    EXPECT_EQ(counts.rbegin()->first, 6);
    for (const auto& [value, count] : counts) EXPECT_NEAR(count, 10000, 500) << value;

    for (int i = 0; i < 1000; ++i) {
        const int v = media::RandomInt(5, -5);  // swapped bounds
        EXPECT_GE(v, -5);
        EXPECT_LE(v, 5);
    }
    EXPECT_EQ(media::RandomInt(3, 3), 3);
    const int wide = media::RandomInt(INT_MIN, INT_MAX);
    (void)wide;
}

TEST(RandomTest, RealNumbersStayBelowTheUpperBound) {
    media::SeedRandom(99);
    float low = 1.0f, high = 0.0f;
    for (int i = 0; i < 100000; ++i) {
        const float v = media::RandomFloat(0.0f, 1.0f);
        ASSERT_GE(v, 0.0f);
        ASSERT_LT(v, 1.0f);
        low = std::min(low, v);
        high = std::max(high, v);
    }
    EXPECT_LT(low, 0.001f);
    EXPECT_GT(high, 0.999f);
    const float big = media::RandomFloat(1000000.0f, 1000000.1f);
    EXPECT_LT(big, 1000000.1f);
}

TEST(DateTest, FormatsAreFixedAndEnglish) {
    media::LocalTime t;
    t.year = 2024;
    t.month = 3;
    t.day = 5;
    t.hour = 7;
    t.minute = 8;
    t.second = 9;
    EXPECT_EQ(media::FormatDate(t), "05 Mar 2024");
    EXPECT_EQ(media::FormatTime(t), "07:08:09");
    t.month = 12;
    t.day = 31;
    EXPECT_EQ(media::FormatDate(t), "31 Dec 2024");

    // Each reading stands alone: two readings may fall either side of midnight.
    const media::LocalTime now = media::CurrentLocalTime();
    EXPECT_GE(now.year, 2024);
    EXPECT_EQ(media::CurrentDate().size(), 11u);
    EXPECT_EQ(media::CurrentTime().size(), 8u);
}

TEST(ClockTest, MilliSecsMovesForward) {
    const int start = media::MilliSecs();
    media::Delay(20);
    EXPECT_GE(media::MilliSecs() - start, 19);
}

}  // namespace
