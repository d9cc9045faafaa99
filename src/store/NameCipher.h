#pragma once
// Player names in the high-score file and in "stats.dat" are stored one byte per UTF-8 byte,
// shifted so that they cannot be read or edited in the file, and closed by a 0 byte.
// The shift moves 'A' (65) to 0x2A; names hold characters 32..126, stored between 9 and 103,
// and the bytes of other letters (0x80 and up), stored between 105 and 232, so no stored byte
// equals the terminator and a name of plain characters is stored as it always was.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class TByteWriter;

inline constexpr std::uint8_t NameShift = 23;

// Bytes a stored name may hold: anything else would be unreadable on screen or could collide
// with the terminator.
constexpr bool IsNameCharacter(unsigned char c) {
    return (c >= 32 && c <= 126) || c >= 0x80;
}

// Writes the shifted characters and the terminating 0. Characters a name cannot hold are left
// out, so the terminator always ends the record.
void WriteShiftedName(TByteWriter& out, std::string_view name);

// Turns the stored bytes back into a name, dropping bytes that decode to control characters (a
// damaged file) and keeping at most maxLength characters (a letter's bytes stay together).
[[nodiscard]] std::string DecodeShiftedName(std::string_view raw, std::size_t maxLength);
