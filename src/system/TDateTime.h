#pragma once
// A calendar date with a time of day: filled from the clock or from numbers, moved by whole
// units, compared, and formatted by a pattern of letters (YYYY-MM-DD HHNNSS and friends).

#include <array>
#include <string>

class TDateTime {
public:
    int Year = 0;
    int Month = 0;  // 1..12
    int Day = 0;    // 1..31
    int Hour = 0;
    int Minute = 0;
    int Second = 0;

    static constexpr int lngEnglish = 0;
    static constexpr int lngFrench = 1;
    // Language of the names that Get_String writes.
    static inline int Language = lngEnglish;

    static constexpr const char* MonthList = "JANFEBMARAPRMAYJUNJULAUGSEPOCTNOVDEC";
    static const std::array<std::array<const char*, 12>, 2> ShortMonthNames;
    static const std::array<std::array<const char*, 12>, 2> LongMonthNames;
    static const std::array<std::array<const char*, 7>, 2> ShortDayNames;
    static const std::array<std::array<const char*, 7>, 2> LongDayNames;

    static TDateTime Create() { return TDateTime{}; }

    // Units are "Y", "M", "D", "H", "N" (minute) and "S".
    [[nodiscard]] static TDateTime Add(const std::string& unit, int amount, const TDateTime& date);
    // to minus from, in the unit; 0 for an unknown unit.
    [[nodiscard]] static long long Diff(const std::string& unit, const TDateTime& from,
                                        const TDateTime& to);
    [[nodiscard]] static std::string Get_String(const TDateTime& date, const std::string& pattern);
    // The text that replaces one run of a repeated letter found at position in the pattern.
    [[nodiscard]] static std::string Get_String_Parser(const std::string& pattern, char letter,
                                                       size_t position, size_t length,
                                                       const TDateTime& date);
    // Decimal text left-padded with "0" to width, or its last width characters when longer.
    [[nodiscard]] static std::string Get_String_Parser_Formater(int value, int width);
    [[nodiscard]] static int Conv_Date2Julian(const TDateTime& date);
    // Sets the date fields only; the time of day is left as it is.
    static void Conv_Julian2Date(int dayNumber, TDateTime& date);
    // 0 for Sunday to 6 for Saturday.
    [[nodiscard]] static int WeekDay(const TDateTime& date);
    [[nodiscard]] static int DaysInMonth(int year, int month);

    void Copy(TDateTime& target) const { target = *this; }
    // Negative when this is earlier: day numbers first, then the seconds of the day.
    [[nodiscard]] int compare(const TDateTime& other) const;
    void Set_DateSerial(int year, int month, int day);
    void Set_TimeSerial(int hour, int minute, int second);
    void Set_DateTimeSerial(int year, int month, int day, int hour, int minute, int second);
    void Set_DateCurrent();
    void Set_TimeCurrent();
    void Set_DateTimeCurrent();
    void Debug_PrintDate() const;

    [[nodiscard]] int SecondsOfDay() const { return Hour * 3600 + Minute * 60 + Second; }

    bool operator==(const TDateTime&) const = default;
};
