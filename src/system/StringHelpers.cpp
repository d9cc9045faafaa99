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

std::string EncodeUtf8(int code) {
    std::string out;
    const auto c = static_cast<unsigned>(code);
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

std::vector<int> DecodeUtf8(const std::string& text) {
    std::vector<int> codes;
    size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80    ? 1
                           : lead >= 0xF0 ? 4
                           : lead >= 0xE0 ? 3
                           : lead >= 0xC0 ? 2
                                          : 0;
        if (length == 0 || i + static_cast<size_t>(length) > text.size()) {
            ++i;
            continue;
        }
        int code = length == 1 ? lead : lead & (0x7F >> length);
        bool whole = true;
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + static_cast<size_t>(k)]);
            whole = whole && (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        if (!whole) {
            ++i;
            continue;
        }
        codes.push_back(code);
        i += static_cast<size_t>(length);
    }
    return codes;
}
