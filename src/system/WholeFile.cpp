#include "system/WholeFile.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

namespace {

std::optional<std::string> ReadToEnd(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::ostringstream bytes;
    bytes << file.rdbuf();
    // An empty file leaves the stream's fail bit set; that is not a read error.
    if (file.bad()) return std::nullopt;
    return std::move(bytes).str();
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path) {
    // A folder opens as a stream on this platform but reads as an empty file.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
    return ReadToEnd(path);
}

std::optional<std::string> ReadFileOrPipe(const std::string& path) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (!std::filesystem::is_regular_file(status) && !std::filesystem::is_fifo(status)) {
        return std::nullopt;
    }
    return ReadToEnd(path);
}
