#pragma once
// Reads the little-endian binary records of the game's save files from bytes held in memory.
// Every read either yields a whole value or fails and leaves the destination untouched; a
// failed read consumes the rest of the data, so a truncated file reads as "end of data" from
// the first missing value on and never as a mix of real and invented bytes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class TByteReader {
public:
    explicit TByteReader(std::string_view bytes) : Data(bytes) {}

    [[nodiscard]] bool ReadByte(std::uint8_t& value);
    [[nodiscard]] bool ReadInt32(std::int32_t& value);
    [[nodiscard]] bool ReadDouble(double& value);
    // The raw bytes up to (not including) the next 0 byte, which is consumed. Fails when no
    // terminator is left: the record was cut off.
    [[nodiscard]] bool ReadTerminated(std::string& raw);

    bool AtEnd() const { return Position >= Data.size(); }
    std::size_t Remaining() const { return Data.size() - Position; }

private:
    [[nodiscard]] bool Take(std::size_t count, std::string_view& out);

    std::string_view Data;
    std::size_t Position = 0;
};
