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
    for (const char b : raw) {
        if (name.size() >= maxLength) break;
        const auto code = static_cast<unsigned char>(static_cast<unsigned char>(b) + NameShift);
        if (IsNameCharacter(code)) name.push_back(static_cast<char>(code));
    }
    return name;
}
