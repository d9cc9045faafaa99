#include "gtest/gtest.h"
#include "system/Screenshot.h"
#include "system/TDateTime.h"

namespace {

TDateTime Make(int y, int m, int d, int h = 0, int n = 0, int s = 0) {
    TDateTime date;
    date.Set_DateTimeSerial(y, m, d, h, n, s);
    return date;
}

TEST(TDateTime, FormatsPatternsRunByRun) {
    const TDateTime date = Make(2010, 3, 5, 14, 2, 3);
    EXPECT_EQ(TDateTime::Get_String(date, "YYYY-MM-DD HHNNSS screenshot.png"),
              "2010-03-05 140203 screenshot.png");
    EXPECT_EQ(ScreenshotName(Make(2010, 3, 5, 14, 22, 33)), "2010-03-05 142233 screenshot.png");
    EXPECT_EQ(TDateTime::Get_String(date, "YY|YYY|YYYYY|Y"), "10|||");
    EXPECT_EQ(TDateTime::Get_String(date, "M MMM MMMM MMMMM"), "3 Mar March ");
    EXPECT_EQ(TDateTime::Get_String(date, "D DDD DDDD"), "5 Fri Friday");
    EXPECT_EQ(TDateTime::Get_String(date, "H:N:S HHH"), "14:2:3 ");
    // Lower-case letters are text, not fields.
    EXPECT_EQ(TDateTime::Get_String(date, "yyyy mm dd"), "yyyy mm dd");
    EXPECT_EQ(TDateTime::Get_String(date, ""), "");
    // A date never set has no month name rather than reading outside the tables.
    EXPECT_EQ(TDateTime::Get_String(TDateTime{}, "MMM MMMM"), " ");
}

TEST(TDateTime, FrenchNamesFollowTheLanguage) {
    TDateTime::Language = TDateTime::lngFrench;
    EXPECT_EQ(TDateTime::Get_String(Make(2010, 2, 5), "DDDD MMMM MMM"), "Vendredi Février Févr");
    TDateTime::Language = TDateTime::lngEnglish;
}

TEST(TDateTime, FormaterPadsOrKeepsTheLastDigits) {
    EXPECT_EQ(TDateTime::Get_String_Parser_Formater(7, 2), "07");
    EXPECT_EQ(TDateTime::Get_String_Parser_Formater(2010, 2), "10");
    EXPECT_EQ(TDateTime::Get_String_Parser_Formater(33, 4), "0033");
    EXPECT_EQ(TDateTime::Get_String_Parser_Formater(12, 0), "");
}

TEST(TDateTime, WeekdaysCountJanuaryAndFebruaryWithTheYearBefore) {
    EXPECT_EQ(TDateTime::WeekDay(Make(2010, 3, 5)), 5);
    EXPECT_EQ(TDateTime::WeekDay(Make(2000, 1, 1)), 6);   // January counts as month 13
    EXPECT_EQ(TDateTime::WeekDay(Make(2012, 2, 29)), 3);  // so does February
}

TEST(TDateTime, CurrentMomentIsAPlausibleDate) {
    TDateTime now;
    now.Set_DateTimeCurrent();
    EXPECT_GE(now.Year, 2020);
    EXPECT_GE(now.Month, 1);
    EXPECT_LE(now.Month, 12);
    EXPECT_GE(now.Day, 1);
    EXPECT_LE(now.Day, 31);
    EXPECT_LE(now.Hour, 23);
}

}  // namespace
