// The widgets besides buttons: typed text, sliders, list boxes and scroll bars, each
// driven through the host's pointer, keys and typed characters as the game drives them.

#include <gtest/gtest.h>

#include <string>

#include "WidgetHost.h"
#include "presentation/TListBox.h"
#include "presentation/TScrollBar.h"
#include "presentation/TSlider.h"
#include "presentation/TTextInput.h"

namespace {

using widget_test::DataFolder;
using widget_test::WidgetHost;

const auto* const kMedia = ::testing::AddGlobalTestEnvironment(new widget_test::MediaEnvironment);

constexpr int KeyBackspace = 8, KeyEnter = 13, KeyEscape = 27;
constexpr int KeyUp = 38, KeyDown = 40;

// One typed character, taken by the field in one logic step.
int Type(TTextInput& field, int code) {
    Input().RecordChar(code);
    return field.Manage();
}

void TypeText(TTextInput& field, const std::string& text) {
    for (const char c : text) Type(field, static_cast<unsigned char>(c));
}

TTextInput Field() {
    TTextInput field;
    field.Init(nullptr, "", 100, 100, nullptr);
    return field;
}

TEST(TextInput, TakesTenCharactersAndNoMoreAndBackspaceStopsAtEmpty) {
    WidgetHost host;
    TTextInput field = Field();
    EXPECT_TRUE(PresentationContext().BlockKeys) << "the host's global keys are off while typing";
    TypeText(field, "abcdefghijk");
    EXPECT_EQ(field.Text, "abcdefghij") << "the eleventh character is ignored";
    EXPECT_EQ(field.CurrentChar, 11);
    for (int i = 0; i < 12; ++i) Type(field, KeyBackspace);
    EXPECT_EQ(field.Text, "");
    EXPECT_EQ(field.CurrentChar, 1);

    TypeText(field, "a\x01\x7f");
    EXPECT_EQ(field.Text, "a") << "control characters are not typed";
    field.AllowExtendedChars = 1;
    Type(field, 0xE9);
    EXPECT_EQ(field.Text, "a\xC3\xA9") << "extended characters arrive as UTF-8";
    Type(field, KeyBackspace);
    EXPECT_EQ(field.Text, "a") << "Backspace removes the whole character";
}

TEST(TextInput, EnterConfirmsUnlessEmptyIsRefusedAndEscapeAborts) {
    WidgetHost host;
    TTextInput field = Field();
    field.AllowNull = 0;
    EXPECT_EQ(Type(field, KeyEnter), 0) << "Enter on an empty text does nothing";
    EXPECT_EQ(field.Active, 1);
    TypeText(field, "Ann");
    EXPECT_EQ(Type(field, KeyEnter), 1);
    EXPECT_EQ(field.Done, 1);
    EXPECT_EQ(field.Active, 0);
    EXPECT_FALSE(PresentationContext().BlockKeys) << "the host has its keys back";
    EXPECT_EQ(Type(field, 'x'), 0) << "a finished field takes nothing";
    EXPECT_EQ(field.Text, "Ann");

    field.Reset();
    EXPECT_EQ(Type(field, KeyEscape), -1);
    EXPECT_EQ(field.Text, "");
    field.Reset();
    field.AllowEscToAbort = 0;
    EXPECT_EQ(Type(field, KeyEscape), 0);
    EXPECT_EQ(field.Active, 1);
}

TEST(TextInput, FileNameSafeFieldsRefuseSeparatorsAndALeadingDot) {
    WidgetHost host;
    TTextInput field = Field();
    field.MaxLength = 30;
    field.MakeCharsFileNameSafe();
    field.NoLeadingDot = 1;
    TypeText(field, ".a:b/c\\d\"e|f*g?h<i>j,k+l=m%n;o~p q.");
    EXPECT_EQ(field.Text, "abcdefghijklmnop q.");

    TTextInput digits = Field();
    digits.NumbersOnly = 1;
    TypeText(digits, "a1b2 3");
    EXPECT_EQ(digits.Text, "123");
}

TEST(TextInput, TheCursorBlinksEveryQuarterSecond) {
    WidgetHost host;
    TTextInput field = Field();
    EXPECT_EQ(field.CursorFlashSpeed, 50);
    for (int i = 0; i < 49; ++i) field.Manage();
    EXPECT_EQ(field.CursorOn, 1);
    field.Manage();
    EXPECT_EQ(field.CursorOn, 0);
    for (int i = 0; i < 50; ++i) field.Manage();
    EXPECT_EQ(field.CursorOn, 1);
}

TEST(Slider, FollowsTheHeldPointerFromZeroToOneHundred) {
    WidgetHost host;
    auto slider = TSlider::CreateSpecial("slider", "sliderdot", 100, 200, 10, "volume", 5);
    EXPECT_EQ(slider->name, "VOLUME");
    EXPECT_EQ(slider->Value, 50);
    slider->w = 220;
    slider->SetValue(150);
    EXPECT_EQ(slider->Value, 100);
    EXPECT_EQ(slider->DotX, 100 + 10 + 200 - 18) << "the knob's centre on the track's end";

    host.MoveTo(100 + 110, 210);
    EXPECT_EQ(slider->Manage(), 1);
    EXPECT_EQ(slider->Value, 100) << "hovering alone changes nothing";
    host.Mouse().ButtonDown(1);
    slider->Manage();
    EXPECT_EQ(slider->Value, 50);
    host.MoveTo(100 + 10, 210);
    slider->Manage();
    EXPECT_EQ(slider->Value, 0);
    host.MoveTo(100 + 220 + 9, 200 - 5);
    EXPECT_EQ(slider->Manage(), 1) << "the hover area reaches past the ends and above";
    EXPECT_EQ(slider->Value, 100);
    host.MoveTo(100 + 220 + 10, 210);
    EXPECT_EQ(slider->Manage(), 0);
    EXPECT_EQ(slider->MouseOver, 0);
    host.Mouse().ButtonUp(1);
}

std::unique_ptr<TListBox> NameList(int rows) {
    auto list = TListBox::Create(0, 5, 0, 1, 500);
    list->LineHeight = 30;
    list->SetCoords(100, 100, 200, 120);
    for (int i = 0; i < rows; ++i) list->Add("row" + std::to_string(i));
    return list;
}

TEST(ListBox, ClicksSelectRowsAndASecondQuickClickIsADoubleClick) {
    WidgetHost host;
    auto list = NameList(3);
    EXPECT_EQ(list->DisplayLines, 4);
    host.MoveTo(150, 100 + 30 + 15);
    host.Click();
    list->Manage();
    EXPECT_EQ(list->Index, 1);
    EXPECT_EQ(list->Value, "row1");
    EXPECT_EQ(host.Mouse().GetMh(0), 0) << "the list took the click";
    EXPECT_EQ(list->GetDoubleClicked(), -1);

    host.Click();
    list->Manage();
    EXPECT_EQ(list->GetDoubleClicked(), 1);
    EXPECT_EQ(list->GetDoubleClicked(), -1) << "reported once";

    for (int i = 0; i < 101; ++i) list->Manage();
    host.Click();
    list->Manage();
    EXPECT_EQ(list->GetDoubleClicked(), -1) << "too slow for a double click";

    // Below the last row and outside the box, a click is left for others.
    host.MoveTo(150, 100 + 3 * 30 + 15);
    host.Click();
    list->Manage();
    EXPECT_EQ(list->Index, 1);
    EXPECT_EQ(host.Mouse().GetMh(1), 1);
}

TEST(ListBox, ArrowKeysMoveTheSelectionAndTheListScrollsToKeepItInView) {
    WidgetHost host;
    auto list = NameList(10);
    list->Limit = 4;
    WidgetHost::HoldKey(KeyDown, true);
    list->Manage();
    WidgetHost::HoldKey(KeyDown, false);
    EXPECT_EQ(list->Index, 0) << "from no selection, down picks the first row";
    list->SetIndex(6);
    EXPECT_EQ(list->TopIndex, 3);
    EXPECT_EQ(list->GetTempLimit(), 7);
    WidgetHost::HoldKey(KeyUp, true);
    list->Manage();
    EXPECT_EQ(list->Index, 5) << "a press moves at once";
    for (int i = 0; i < 79; ++i) list->Manage();
    EXPECT_EQ(list->Index, 5);
    list->Manage();
    EXPECT_EQ(list->Index, 4) << "then again after 400 ms held";
    WidgetHost::HoldKey(KeyUp, false);
    list->SetIndex(1);
    EXPECT_EQ(list->TopIndex, 1);
    list->SetTopIndex(9);
    EXPECT_EQ(list->TopIndex, 6) << "never past the last full page";
    list->SetIndex(10);
    EXPECT_EQ(list->Index, -1) << "a row that is not there selects nothing";
    EXPECT_EQ(list->Value, "");
}

TEST(ScrollBar, TheThumbAndTheValueFollowEachOtherAndDraggingMovesBoth) {
    WidgetHost host;
    auto bar = TScrollBar::Create(DataFolder + "graphics/sliderdot.png", 200, 10, 400, 100, 1);
    ASSERT_EQ(bar->Room(), 164);
    bar->SliderSetPosition(5);
    EXPECT_EQ(bar->SliderPosition, 82);
    bar->SliderPosition = 41;
    bar->ValueCalc();
    EXPECT_DOUBLE_EQ(bar->ValuePrecise, 2.5);
    EXPECT_EQ(bar->Value, 3);

    bar->SliderPosition = 0;
    bar->ValueCalc();
    host.MoveTo(410, 110);
    host.Mouse().ButtonDown(1);
    EXPECT_EQ(bar->Manage(), 0);
    EXPECT_EQ(bar->SliderSelected, 1);
    host.MoveTo(410, 110 + 82);
    EXPECT_EQ(bar->Manage(), 1);
    EXPECT_EQ(bar->Value, 5);
    host.MoveTo(410, 900);
    bar->Manage();
    EXPECT_EQ(bar->SliderPosition, 164) << "the thumb stays on the track";
    EXPECT_EQ(bar->Value, 10);
    host.Mouse().ButtonUp(1);
    bar->Manage();
    EXPECT_EQ(bar->SliderSelected, 0);

    bar->SetValueMax(0);
    EXPECT_EQ(bar->SliderPosition, 0) << "nothing to scroll: the thumb rests at the top";
}

}  // namespace
