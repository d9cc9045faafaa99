#include "system/TDateTime.h"

#include <cstdio>

#include "media/Media.h"

const std::array<std::array<const char*, 12>, 2> TDateTime::ShortMonthNames = {{
    {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
    {"Janv", "Févr", "Mars", "Avr", "Mai", "Juin", "Juil", "Août", "Sept", "Oct", "Nov", "Déc"},
}};

const std::array<std::array<const char*, 12>, 2> TDateTime::LongMonthNames = {{
    {"January", "February", "March", "April", "May", "June", "July", "August", "September",
     "October", "November", "December"},
    {"Janvier", "Février", "Mars", "Avril", "Mai", "Juin", "Juillet", "Août", "Septembre",
     "Octobre", "Novembre", "Décembre"},
}};

const std::array<std::array<const char*, 7>, 2> TDateTime::ShortDayNames = {{
    {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"},
    {"Dim", "Lun", "Mar", "Mer", "Jeu", "Ven", "Sam"},
}};

const std::array<std::array<const char*, 7>, 2> TDateTime::LongDayNames = {{
    {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"},
    {"Dimanche", "Lundi", "Mardi", "Mercredi", "Jeudi", "Vendredi", "Samedi"},
}};

namespace {

long long FloorDiv(long long a, long long b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

long long FloorMod(long long a, long long b) {
    return a - FloorDiv(a, b) * b;
}

// A month or year step must not land on a day the month does not have (31 January plus a
// month is the last day of February, not "31 February").
void ClampDay(TDateTime& date) {
    const int last = TDateTime::DaysInMonth(date.Year, date.Month);
    if (date.Day > last) date.Day = last;
}

int LanguageIndex() {
    return TDateTime::Language == TDateTime::lngFrench ? 1 : 0;
}

}  // namespace

int TDateTime::DaysInMonth(int year, int month) {
    static constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 31;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

TDateTime TDateTime::Add(const std::string& unit, int amount, const TDateTime& date) {
    TDateTime result = date;
    if (unit == "Y") {
        result.Year += amount;
        ClampDay(result);
    } else if (unit == "M") {
        const long long months = static_cast<long long>(date.Year) * 12 + (date.Month - 1) + amount;
        result.Year = static_cast<int>(FloorDiv(months, 12));
        result.Month = static_cast<int>(FloorMod(months, 12)) + 1;
        ClampDay(result);
    } else if (unit == "D") {
        Conv_Julian2Date(Conv_Date2Julian(date) + amount, result);
    } else if (unit == "H" || unit == "N" || unit == "S") {
        const long long step = unit == "H" ? 3600 : unit == "N" ? 60 : 1;
        const long long seconds = date.SecondsOfDay() + step * amount;
        const long long days = FloorDiv(seconds, 86400);
        const int ofDay = static_cast<int>(FloorMod(seconds, 86400));
        result.Hour = ofDay / 3600;
        result.Minute = ofDay / 60 % 60;
        result.Second = ofDay % 60;
        Conv_Julian2Date(Conv_Date2Julian(date) + static_cast<int>(days), result);
    }
    return result;
}

long long TDateTime::Diff(const std::string& unit, const TDateTime& from, const TDateTime& to) {
    const long long days = Conv_Date2Julian(to) - Conv_Date2Julian(from);
    if (unit == "Y") return to.Year - from.Year;
    if (unit == "M") return 12LL * (to.Year - from.Year) + (to.Month - from.Month);
    if (unit == "D") return days;
    if (unit == "H") return 24 * days + (to.Hour - from.Hour);
    if (unit == "N") {
        return 1440 * days + (to.Hour * 60 + to.Minute) - (from.Hour * 60 + from.Minute);
    }
    if (unit == "S") return 86400 * days + to.SecondsOfDay() - from.SecondsOfDay();
    return 0;
}

std::string TDateTime::Get_String(const TDateTime& date, const std::string& pattern) {
    std::string text;
    size_t position = 0;
    while (position < pattern.size()) {
        const char letter = pattern[position];
        size_t length = 1;
        while (position + length < pattern.size() && pattern[position + length] == letter) {
            ++length;
        }
        text += Get_String_Parser(pattern, letter, position, length, date);
        position += length;
    }
    return text;
}

std::string TDateTime::Get_String_Parser(const std::string& pattern, char letter, size_t position,
                                         size_t length, const TDateTime& date) {
    const int language = LanguageIndex();
    const bool validMonth = date.Month >= 1 && date.Month <= 12;
    switch (letter) {
        case 'Y':
            if (length == 2) return Get_String_Parser_Formater(date.Year, 2);
            if (length == 4) return Get_String_Parser_Formater(date.Year, 4);
            return "";
        case 'M':
            if (length == 1) return std::to_string(date.Month);
            if (length == 2) return Get_String_Parser_Formater(date.Month, 2);
            if (length == 3 && validMonth) return ShortMonthNames[language][date.Month - 1];
            if (length == 4 && validMonth) return LongMonthNames[language][date.Month - 1];
            return "";
        case 'D':
            if (length == 1) return std::to_string(date.Day);
            if (length == 2) return Get_String_Parser_Formater(date.Day, 2);
            if (length == 3) return ShortDayNames[language][WeekDay(date)];
            if (length == 4) return LongDayNames[language][WeekDay(date)];
            return "";
        case 'H':
        case 'N':
        case 'S': {
            const int value = letter == 'H' ? date.Hour : letter == 'N' ? date.Minute : date.Second;
            if (length == 1) return std::to_string(value);
            if (length == 2) return Get_String_Parser_Formater(value, 2);
            return "";
        }
        default:
            return pattern.substr(position, length);
    }
}

std::string TDateTime::Get_String_Parser_Formater(int value, int width) {
    std::string text = std::to_string(value);
    const size_t size = width > 0 ? static_cast<size_t>(width) : 0;
    if (text.size() < size) return std::string(size - text.size(), '0') + text;
    return text.substr(text.size() - size);
}

int TDateTime::Conv_Date2Julian(const TDateTime& date) {
    const int y = date.Year;
    const int m = date.Month;
    return 367 * y - 7 * (y + 5001 + (m - 9) / 7) / 4 + 275 * m / 9 + date.Day + 1729777;
}

void TDateTime::Conv_Julian2Date(int dayNumber, TDateTime& date) {
    int b = (dayNumber + 1401) % 1461;
    const int d = b / 365 - (b + 1) / 1461;
    b = b + 31 - 365 * d;
    const int e = 80 * b / 2447;
    date.Day = b - 2447 * e / 80;
    date.Month = e - 12 * (e / 11) + 2;
    date.Year = d + 4 * ((dayNumber + 1401) / 1461) + e / 11 - 4716;
}

int TDateTime::WeekDay(const TDateTime& date) {
    int m = date.Month;
    int y = date.Year;
    if (m < 3) {
        m += 12;
        y -= 1;
    }
    const int sum = date.Day + (13 * m - 27) / 5 + y + y / 4 + y / 400 - y / 100;
    return ((sum % 7) + 7) % 7;
}

int TDateTime::compare(const TDateTime& other) const {
    const int days = Conv_Date2Julian(*this) - Conv_Date2Julian(other);
    if (days != 0) return days;
    return SecondsOfDay() - other.SecondsOfDay();
}

void TDateTime::Set_DateSerial(int year, int month, int day) {
    Year = year;
    Month = month;
    Day = day;
}

void TDateTime::Set_TimeSerial(int hour, int minute, int second) {
    Hour = hour;
    Minute = minute;
    Second = second;
}

void TDateTime::Set_DateTimeSerial(int year, int month, int day, int hour, int minute, int second) {
    Set_TimeSerial(hour, minute, second);
    Set_DateSerial(year, month, day);
}

// The clock's own fields, not its text: a date string would tie us to one locale's month names.
void TDateTime::Set_DateCurrent() {
    const media::LocalTime now = media::CurrentLocalTime();
    Set_DateSerial(now.year, now.month, now.day);
}

void TDateTime::Set_TimeCurrent() {
    const media::LocalTime now = media::CurrentLocalTime();
    Set_TimeSerial(now.hour, now.minute, now.second);
}

void TDateTime::Set_DateTimeCurrent() {
    // One reading for both halves, so a call just before midnight cannot mix two days.
    const media::LocalTime now = media::CurrentLocalTime();
    Set_DateTimeSerial(now.year, now.month, now.day, now.hour, now.minute, now.second);
}

void TDateTime::Debug_PrintDate() const {
    std::printf("%d/%d/%d  %d:%d:%d\n", Year, Month, Day, Hour, Minute, Second);
}
