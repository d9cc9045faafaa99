#pragma once
// Small number and text helpers.

#include <string>

// The smallest power of two not below n (1 for n below 2).
int NextPowerOfTwo(int n);
// ASCII letters upper-cased; other bytes (UTF-8 included) unchanged. Keys are kept this way.
std::string UpperCase(std::string text);
// The text safe to print on a terminal: every byte outside 32..126, and the backslash, written
// as "\xNN", so that a typed escape sequence shows instead of acting.
std::string PrintableText(const std::string& text);
