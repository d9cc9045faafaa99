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

TEST(TDateTime, DayNumbersWeekdaysAndRoundTrips) {
    EXPECT_EQ(TDateTime::Conv_Date2Julian(Make(2010, 3, 5)), 2455274);
    EXPECT_EQ(TDateTime::WeekDay(Make(2010, 3, 5)), 5);
    EXPECT_EQ(TDateTime::WeekDay(Make(2000, 1, 1)), 6);   // January counts as month 13
    EXPECT_EQ(TDateTime::WeekDay(Make(2012, 2, 29)), 3);  // so does February

    TDateTime date = Make(1901, 1, 1, 10, 20, 30);
    const int first = TDateTime::Conv_Date2Julian(date);
    const int last = TDateTime::Conv_Date2Julian(Make(2099, 12, 31));
    for (int n = first; n <= last; ++n) {
        TDateTime back = date;
        TDateTime::Conv_Julian2Date(n, back);
        ASSERT_EQ(TDateTime::Conv_Date2Julian(back), n);
        ASSERT_EQ(back.Hour, 10);
        ASSERT_GE(back.Day, 1);
        ASSERT_LE(back.Day, TDateTime::DaysInMonth(back.Year, back.Month));
    }
}

TEST(TDateTime, AddCarriesIntoTheNextUnit) {
    EXPECT_EQ(TDateTime::Add("M", 1, Make(2010, 11, 15)), Make(2010, 12, 15));
    EXPECT_EQ(TDateTime::Add("M", 2, Make(2010, 11, 15)), Make(2011, 1, 15));
    EXPECT_EQ(TDateTime::Add("M", 26, Make(2010, 11, 15)), Make(2013, 1, 15));
    EXPECT_EQ(TDateTime::Add("Y", 3, Make(2010, 11, 15)), Make(2013, 11, 15));
    EXPECT_EQ(TDateTime::Add("D", 1, Make(2012, 2, 28)), Make(2012, 2, 29));
    EXPECT_EQ(TDateTime::Add("D", 366, Make(2011, 12, 31)), Make(2012, 12, 31));
    EXPECT_EQ(TDateTime::Add("H", 25, Make(2010, 12, 31, 23, 5, 6)), Make(2011, 1, 2, 0, 5, 6));
    EXPECT_EQ(TDateTime::Add("N", 61, Make(2010, 3, 5, 23, 59, 0)), Make(2010, 3, 6, 1, 0, 0));
    EXPECT_EQ(TDateTime::Add("S", 3601, Make(2010, 3, 5, 23, 0, 59)), Make(2010, 3, 6, 0, 1, 0));
    EXPECT_EQ(TDateTime::Add("Q", 5, Make(2010, 3, 5)), Make(2010, 3, 5));
}

TEST(TDateTime, AddNeverMakesADayTheMonthLacks) {
    EXPECT_EQ(TDateTime::Add("M", 1, Make(2010, 1, 31)), Make(2010, 2, 28));
    EXPECT_EQ(TDateTime::Add("M", 1, Make(2012, 1, 31)), Make(2012, 2, 29));
    EXPECT_EQ(TDateTime::Add("Y", 1, Make(2012, 2, 29)), Make(2013, 2, 28));
}

TEST(TDateTime, DiffAndCompareCountToMinusFrom) {
    EXPECT_EQ(TDateTime::Diff("D", Make(2010, 2, 28), Make(2010, 3, 1)), 1);
    EXPECT_EQ(TDateTime::Diff("D", Make(2012, 2, 28), Make(2012, 3, 1)), 2);
    EXPECT_EQ(TDateTime::Diff("D", Make(2012, 3, 1), Make(2012, 2, 28)), -2);
    EXPECT_EQ(TDateTime::Diff("Y", Make(2010, 12, 31), Make(2011, 1, 1)), 1);
    EXPECT_EQ(TDateTime::Diff("M", Make(2010, 11, 1), Make(2011, 2, 1)), 3);
    const TDateTime from = Make(2010, 3, 5, 23, 30, 10);
    const TDateTime to = Make(2010, 3, 6, 0, 15, 5);
    EXPECT_EQ(TDateTime::Diff("H", from, to), 1);
    EXPECT_EQ(TDateTime::Diff("N", from, to), 45);
    EXPECT_EQ(TDateTime::Diff("S", from, to), 45 * 60 - 5);
    EXPECT_EQ(TDateTime::Diff("S", Make(1901, 1, 1), Make(2099, 1, 1)), 6248361600LL);
    EXPECT_EQ(TDateTime::Diff("x", from, to), 0);

    EXPECT_LT(from.compare(to), 0);
    EXPECT_GT(to.compare(from), 0);
    EXPECT_EQ(Make(2010, 3, 5, 1, 0, 0).compare(Make(2010, 3, 5, 0, 59, 0)), 60);
    EXPECT_EQ(from.compare(from), 0);
}

TEST(TDateTime, CurrentMomentIsAPlausibleDate) {
    TDateTime now;
    now.Set_DateTimeCurrent();
    EXPECT_GE(now.Year, 2020);
    EXPECT_GE(now.Month, 1);
    EXPECT_LE(now.Month, 12);
    EXPECT_GE(now.Day, 1);
    EXPECT_LE(now.Day, TDateTime::DaysInMonth(now.Year, now.Month));
    EXPECT_LE(now.Hour, 23);
}

}  // namespace
