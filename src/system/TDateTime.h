#pragma once
// A calendar date with a time of day: filled from the clock or from numbers, and formatted by a
// pattern of letters (YYYY-MM-DD HHNNSS and friends).

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

    static const std::array<std::array<const char*, 12>, 2> ShortMonthNames;
    static const std::array<std::array<const char*, 12>, 2> LongMonthNames;
    static const std::array<std::array<const char*, 7>, 2> ShortDayNames;
    static const std::array<std::array<const char*, 7>, 2> LongDayNames;

    [[nodiscard]] static std::string Get_String(const TDateTime& date, const std::string& pattern);
    // The text that replaces one run of a repeated letter found at position in the pattern.
    [[nodiscard]] static std::string Get_String_Parser(const std::string& pattern, char letter,
                                                       size_t position, size_t length,
                                                       const TDateTime& date);
    // Decimal text left-padded with "0" to width, or its last width characters when longer.
    [[nodiscard]] static std::string Get_String_Parser_Formater(int value, int width);
    // 0 for Sunday to 6 for Saturday.
    [[nodiscard]] static int WeekDay(const TDateTime& date);

    void Set_DateSerial(int year, int month, int day);
    void Set_TimeSerial(int hour, int minute, int second);
    void Set_DateTimeSerial(int year, int month, int day, int hour, int minute, int second);
    void Set_DateTimeCurrent();

    bool operator==(const TDateTime&) const = default;
};
