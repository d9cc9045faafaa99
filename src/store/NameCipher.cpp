#include "store/NameCipher.h"

#include "store/TByteWriter.h"

void WriteShiftedName(TByteWriter& out, std::string_view name) {
    for (const char c : name) {
        const auto code = static_cast<unsigned char>(c);
        if (IsNameCharacter(code)) out.WriteByte(static_cast<std::uint8_t>(code - NameShift));
    }
    out.WriteByte(0);
}

namespace {

// The length of the well-formed UTF-8 character (no control character) starting at `i`, 0 for
// a byte that starts none: what a damaged file's stray bytes come to.
std::size_t CharacterAt(const std::string& bytes, std::size_t i) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    if (lead < 0x80) return 1;
    const std::size_t length = lead >= 0xF0 && lead <= 0xF4   ? 4
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xC2 && lead <= 0xDF ? 2
                                                              : 0;
    if (length == 0 || i + length > bytes.size()) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) return 0;
    }
    // C1 controls (U+0080 to U+009F) draw nothing.
    if (lead == 0xC2 && static_cast<unsigned char>(bytes[i + 1]) < 0xA0) return 0;
    return length;
}

}  // namespace

std::string DecodeShiftedName(std::string_view raw, std::size_t maxLength) {
    std::string bytes;
    for (const char b : raw) {
        const auto code = static_cast<unsigned char>(static_cast<unsigned char>(b) + NameShift);
        if (IsNameCharacter(code)) bytes.push_back(static_cast<char>(code));
    }
    std::string name;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < bytes.size() && characters < maxLength;) {
        const std::size_t length = CharacterAt(bytes, i);
        if (length == 0) {
            ++i;
            continue;
        }
        name += bytes.substr(i, length);
        ++characters;
        i += length;
    }
    return name;
}
