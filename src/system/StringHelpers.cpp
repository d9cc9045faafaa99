#include "system/StringHelpers.h"

#include <algorithm>

int NextPowerOfTwo(int n) {
    int power = 1;
    while (power < n && power <= (1 << 29)) power <<= 1;
    return power;
}

std::string UpperCase(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

std::string PrintableText(const std::string& text) {
    static constexpr char Hex[] = "0123456789abcdef";
    std::string printable;
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (code >= 32 && code <= 126 && c != '\\') {
            printable += c;
        } else {
            printable += "\\x";
            printable += Hex[code >> 4];
            printable += Hex[code & 15];
        }
    }
    return printable;
}
