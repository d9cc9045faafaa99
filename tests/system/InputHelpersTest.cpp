#include "gtest/gtest.h"
#include "system/HostInput.h"
#include "system/InputHelpers.h"

namespace {

class HostInputTest : public ::testing::Test {
protected:
    void SetUp() override {
        Input() = HostInput{};
        Input().Polled = false;
    }
    void TearDown() override { Input() = HostInput{}; }
};

TEST_F(HostInputTest, KeyHitIsReportedOnceAndDownLastsUntilRelease) {
    Input().RecordKeyDown(65);
    Input().RecordKeyDown(65);
    EXPECT_TRUE(KeyDownChecked(65));
    EXPECT_TRUE(KeyHitChecked(65));
    EXPECT_FALSE(KeyHitChecked(65));  // both presses cleared by one test
    EXPECT_TRUE(KeyDownChecked(65));
    Input().RecordKeyUp(65);
    EXPECT_FALSE(KeyDownChecked(65));

    EXPECT_FALSE(KeyHitChecked(-1));
    EXPECT_FALSE(KeyDownChecked(-1));
    EXPECT_FALSE(KeyHitChecked(256));
    Input().RecordKeyDown(300);  // out of range codes are ignored, not written past the table
    Input().RecordKeyDown(-5);
    EXPECT_FALSE(AnyKeyHit());
}

TEST_F(HostInputTest, FirstKeyHitFindsTheLowestWithoutClearing) {
    EXPECT_EQ(FirstKeyHit(), -1);
    Input().RecordKeyDown(90);
    Input().RecordKeyDown(27);
    EXPECT_EQ(FirstKeyHit(), 27);
    EXPECT_EQ(FirstKeyHit(), 27);
    EXPECT_TRUE(AnyKeyHit());
    EXPECT_TRUE(KeyHitChecked(27));
    EXPECT_EQ(FirstKeyHit(), 90);
}

TEST_F(HostInputTest, CharacterRingKeepsOrderAndStopsWhenFull) {
    EXPECT_EQ(HostGetChar(), 0);
    for (int i = 0; i < 300; ++i) Input().RecordChar(1000 + i);
    for (int i = 0; i < 256; ++i) ASSERT_EQ(HostGetChar(), 1000 + i);
    EXPECT_EQ(HostGetChar(), 0);
    // The ring wraps around its end.
    Input().RecordChar('x');
    Input().RecordChar('y');
    EXPECT_EQ(HostGetChar(), 'x');
    EXPECT_EQ(HostGetChar(), 'y');
}

TEST_F(HostInputTest, MouseHitsCountButtonsOneToThree) {
    EXPECT_FALSE(AnyMouseHit());
    Input().RecordMouseDown(1);
    Input().RecordMouseDown(3);
    Input().RecordMouseDown(3);
    Input().RecordMouseDown(4);
    Input().RecordMouseDown(0);
    EXPECT_EQ(MouseHitTotal(), 3);
    EXPECT_TRUE(AnyMouseHit());
    Input().RecordMouseUp(3);
    EXPECT_EQ(Input().MouseDowns[3], 0);
    EXPECT_EQ(Input().MouseDowns[1], 1);
}

TEST_F(HostInputTest, FlushClearsKeysCharactersAndButtons) {
    Input().RecordKeyDown(13);
    Input().RecordChar('a');
    Input().RecordMouseDown(2);
    Input().MouseX = 120;
    FlushKeyState();
    EXPECT_FALSE(AnyKeyHit());
    EXPECT_FALSE(KeyDownChecked(13));
    EXPECT_EQ(HostGetChar(), 0);
    EXPECT_TRUE(AnyMouseHit());
    Input().RecordKeyDown(13);
    FlushInput();
    EXPECT_FALSE(AnyKeyHit());
    EXPECT_FALSE(AnyMouseHit());
    EXPECT_EQ(Input().MouseDowns[2], 0);
    EXPECT_EQ(Input().MouseX, 120);  // the pointer stays where it is
}

}  // namespace
