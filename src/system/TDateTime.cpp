#include "system/TDateTime.h"

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

int LanguageIndex() {
    return TDateTime::Language == TDateTime::lngFrench ? 1 : 0;
}

}  // namespace

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

void TDateTime::Set_DateTimeCurrent() {
    // One reading for both halves, so a call just before midnight cannot mix two days.
    const media::LocalTime now = media::CurrentLocalTime();
    Set_DateTimeSerial(now.year, now.month, now.day, now.hour, now.minute, now.second);
}
