#include "gmock/gmock.h"
#include "gtest/gtest.h"
#include "system/TextLines.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(TextLines, SplitAtLineEnds) {
    EXPECT_THAT(SplitLines(""), IsEmpty());
    EXPECT_THAT(SplitLines("one"), ElementsAre("one"));
    EXPECT_THAT(SplitLines("one\r\ntwo\n"), ElementsAre("one", "two"));
    EXPECT_THAT(SplitLines("a\n\nb\r"), ElementsAre("a", "", "b\r"));
    EXPECT_THAT(SplitLines("\n"), ElementsAre(""));
    EXPECT_THAT(SplitLines("\r\n\r\n"), ElementsAre("", ""));
}

// Every character 10 pixels wide.
float Measure(const std::string& text) {
    return 10.0f * static_cast<float>(text.size());
}

TEST(TextLines, WrapFillsEachLineUpToTheWidth) {
    EXPECT_THAT(WrapLines({"aaa bbb ccc"}, 70, Measure), ElementsAre("aaa bbb", "ccc"));
    EXPECT_THAT(WrapLines({"aaa bbb ccc"}, 69, Measure), ElementsAre("aaa", "bbb", "ccc"));
    EXPECT_THAT(WrapLines({"aaa  bbb", "", "c"}, 100, Measure), ElementsAre("aaa bbb", "", "c"));
    // A word too wide for any line stays whole on its own.
    EXPECT_THAT(WrapLines({"a verylongword b"}, 50, Measure),
                ElementsAre("a", "verylongword", "b"));
    EXPECT_THAT(WrapLines({"a     b"}, 30, Measure), ElementsAre("a b"));
    EXPECT_THAT(WrapLines({}, 30, Measure), IsEmpty());
}

}  // namespace
