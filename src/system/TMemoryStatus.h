#pragma once
// The machine's memory figures, as the debug overlay shows them. Byte counts are 64-bit:
// today's machines have more memory than 32 bits can count.

#include <cstdint>

class TMemoryStatus {
public:
    std::uint32_t dwLength = 0;
    std::uint32_t dwMemoryLoad = 0;  // percent in use
    std::uint64_t dwTotalPhys = 0;
    std::uint64_t dwAvailPhys = 0;
    std::uint64_t dwTotalPageFile = 0;
    std::uint64_t dwAvailPageFile = 0;
    std::uint64_t dwTotalVirtual = 0;
    std::uint64_t dwAvailVirtual = 0;
};
