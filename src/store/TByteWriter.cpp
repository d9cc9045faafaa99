#include "store/TByteWriter.h"

#include <bit>

void TByteWriter::WriteInt32(std::int32_t value) {
    auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i, bits >>= 8) WriteByte(static_cast<std::uint8_t>(bits & 0xFF));
}

void TByteWriter::WriteDouble(double value) {
    auto bits = std::bit_cast<std::uint64_t>(value);
    for (int i = 0; i < 8; ++i, bits >>= 8) WriteByte(static_cast<std::uint8_t>(bits & 0xFF));
}
