#pragma once
// Builds the little-endian binary records of the game's save files in memory; the finished
// bytes go to disk in one crash-safe write.

#include <cstdint>
#include <string>
#include <string_view>

class TByteWriter {
public:
    void WriteByte(std::uint8_t value) { Data.push_back(static_cast<char>(value)); }
    void WriteInt32(std::int32_t value);
    void WriteDouble(double value);
    void WriteBytes(std::string_view bytes) { Data.append(bytes); }

    const std::string& Bytes() const { return Data; }

private:
    std::string Data;
};
