#include "store/TIniLine.h"

#include <climits>

#include "system/StringHelpers.h"

int TIniLine::IntValue() const {
    size_t i = Value.find_first_not_of(" \t");
    if (i == std::string::npos) return 0;
    bool negative = false;
    if (Value[i] == '+' || Value[i] == '-') {
        negative = Value[i] == '-';
        ++i;
    }
    long long number = 0;
    for (; i < Value.size() && Value[i] >= '0' && Value[i] <= '9'; ++i) {
        number = number * 10 + (Value[i] - '0');
        if (number > static_cast<long long>(INT_MAX) + 1) break;
    }
    if (negative) number = -number;
    if (number > INT_MAX) return INT_MAX;
    if (number < INT_MIN) return INT_MIN;
    return static_cast<int>(number);
}

TIniLine TIniLine::Parse(const std::string& line) {
    const auto equals = line.find('=');
    if (equals == std::string::npos) return {UpperCase(line), ""};
    return {UpperCase(line.substr(0, equals)), line.substr(equals + 1)};
}

std::vector<std::string> TIniLine::SplitFileLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::string current;
    bool pending = false;
    for (const char c : bytes) {
        if (c == '\n' || c == '\0') {
            lines.push_back(std::move(current));
            current.clear();
            pending = false;
        } else {
            if (c != '\r') current += c;
            pending = true;
        }
    }
    if (pending) lines.push_back(std::move(current));
    return lines;
}
