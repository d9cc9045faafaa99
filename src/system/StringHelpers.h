#pragma once
// Small number and text helpers.

#include <string>
#include <vector>

// The smallest power of two not below n (1 for n below 2).
int NextPowerOfTwo(int n);
// ASCII letters upper-cased; other bytes (UTF-8 included) unchanged. Keys are kept this way.
std::string UpperCase(std::string text);
// The text safe to print on a terminal: every byte outside 32..126, and the backslash, written
// as "\xNN", so that a typed escape sequence shows instead of acting.
std::string PrintableText(const std::string& text);
// One character (a Unicode code point) written as UTF-8.
std::string EncodeUtf8(int code);
// The characters of a UTF-8 text; a byte that starts no whole character is skipped.
std::vector<int> DecodeUtf8(const std::string& text);
