#include "system/SystemInfo.h"

#include <algorithm>
#include <array>
#include <utility>

#include "media/Platform.h"

std::string GetOSVersionName() {
    return media::OSName();
}

std::string DirectXVersionName(const std::string& registryValue) {
    static const std::array<std::pair<const char*, const char*>, 21> versions = {{
        {"4.02.0095", "1.0"},       {"4.03.00.1096", "2.0"},   {"4.04.0068", "3.0"},
        {"4.04.0069", "3.0"},       {"4.05.00.0155", "5.0"},   {"4.05.01.1721", "5.0"},
        {"4.05.01.1998", "5.0"},    {"4.06.02.0436", "6.0"},   {"4.07.00.0700", "7.0"},
        {"4.07.00.0716", "7.0a"},   {"4.08.00.0400", "8.0"},   {"4.08.01.0881", "8.1"},
        {"4.08.01.0810", "8.1"},    {"4.09.0000.0900", "9.0"}, {"4.09.00.0900", "9.0"},
        {"4.09.0000.0901", "9.0a"}, {"4.09.00.0901", "9.0a"},  {"4.09.0000.0902", "9.0b"},
        {"4.09.00.0902", "9.0b"},   {"4.09.00.0904", "9.0c"},  {"4.09.0000.0904", "9.0c"},
    }};
    for (const auto& [value, name] : versions) {
        if (registryValue == value) return name;
    }
    return "";
}

// There is no DirectX registry value to read on this platform: drawing goes through the media
// layer, which checks its own requirements.
std::string GetDirectXVersion() {
    return "";
}

bool IsDirectX7OrBetter(const std::string& versionName) {
    static const std::array<const char*, 5> older = {"1.0", "2.0", "3.0", "5.0", "6.0"};
    return std::none_of(older.begin(), older.end(),
                        [&](const char* name) { return versionName == name; });
}

bool IsDirectX7OrBetter() {
    return IsDirectX7OrBetter(GetDirectXVersion());
}

TMemoryStatus MemoryStatus() {
    const media::MemoryStatus status = media::GetMemoryStatus();
    constexpr std::uint64_t MB = 1024 * 1024;
    TMemoryStatus result;
    result.dwLength = sizeof(TMemoryStatus);
    result.dwMemoryLoad = static_cast<std::uint32_t>(std::clamp(status.loadPercent, 0, 100));
    result.dwTotalPhys = static_cast<std::uint64_t>(std::max(0LL, status.totalMB)) * MB;
    const long long available = std::max(0LL, status.totalMB - status.usedMB);
    result.dwAvailPhys = static_cast<std::uint64_t>(available) * MB;
    return result;
}
