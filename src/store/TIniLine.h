#pragma once
// One key=value line of the settings file.

#include <string>
#include <vector>

class TIniLine {
public:
    std::string Name;  // always upper case
    std::string Value;

    // Leading blanks, an optional sign and digits; 0 when there is no number, clamped to the
    // int range when it is too long.
    [[nodiscard]] int IntValue() const;

    // The key is everything before the first "=", upper-cased; the value everything after it,
    // untouched. A line without "=" is all key.
    static TIniLine Parse(const std::string& line);
    // The file's lines: each ends at LF, at a zero byte or at the end; CR bytes are dropped.
    static std::vector<std::string> SplitFileLines(const std::string& bytes);
};
