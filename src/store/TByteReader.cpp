#include "store/TByteReader.h"

#include <bit>
#include <cstring>

bool TByteReader::Take(std::size_t count, std::string_view& out) {
    if (Remaining() < count) {
        Position = Data.size();
        return false;
    }
    out = Data.substr(Position, count);
    Position += count;
    return true;
}

bool TByteReader::ReadByte(std::uint8_t& value) {
    std::string_view bytes;
    if (!Take(1, bytes)) return false;
    value = static_cast<std::uint8_t>(bytes[0]);
    return true;
}

bool TByteReader::ReadInt32(std::int32_t& value) {
    std::string_view bytes;
    if (!Take(4, bytes)) return false;
    std::uint32_t bits = 0;
    for (int i = 3; i >= 0; --i) bits = (bits << 8) | static_cast<std::uint8_t>(bytes[i]);
    value = static_cast<std::int32_t>(bits);
    return true;
}

bool TByteReader::ReadDouble(double& value) {
    std::string_view bytes;
    if (!Take(8, bytes)) return false;
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) bits = (bits << 8) | static_cast<std::uint8_t>(bytes[i]);
    value = std::bit_cast<double>(bits);
    return true;
}

bool TByteReader::ReadTerminated(std::string& raw) {
    const std::size_t end = Data.find('\0', Position);
    if (end == std::string_view::npos) {
        Position = Data.size();
        return false;
    }
    raw.assign(Data.substr(Position, end - Position));
    Position = end + 1;
    return true;
}
