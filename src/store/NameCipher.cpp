#include "store/NameCipher.h"

#include "store/TByteWriter.h"

void WriteShiftedName(TByteWriter& out, std::string_view name) {
    for (const char c : name) {
        const auto code = static_cast<unsigned char>(c);
        if (IsNameCharacter(code)) out.WriteByte(static_cast<std::uint8_t>(code - NameShift));
    }
    out.WriteByte(0);
}

std::string DecodeShiftedName(std::string_view raw, std::size_t maxLength) {
    std::string name;
    std::size_t characters = 0;
    for (const char b : raw) {
        const auto code = static_cast<unsigned char>(static_cast<unsigned char>(b) + NameShift);
        if (!IsNameCharacter(code)) continue;
        // A UTF-8 continuation byte belongs to the character before it.
        const bool starts = (code & 0xC0) != 0x80;
        if (starts && characters++ >= maxLength) break;
        name.push_back(static_cast<char>(code));
    }
    return name;
}
