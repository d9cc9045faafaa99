#include "system/Paths.h"

#include <unistd.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "media/Platform.h"

std::string FixPath(const std::string& path) {
    if (!path.empty() && (path.back() == '/' || path.back() == '\\')) return path;
    return path + "/";
}

std::string DataPrefixFor(const std::string& programFolder,
                          const std::function<bool(const std::string&)>& isFolder) {
    const std::string beside = FixPath(programFolder);
    if (isFolder(beside + "Data")) return beside;
    const std::string installed = beside + "../share/quillox/";
    if (isFolder(installed + "Data")) return installed;
    return beside;
}

std::string StripDebugTag(const std::string& path) {
    if (path.size() >= 10 && path.compare(path.size() - 9, 5, "debug") == 0) {
        return path.substr(0, path.size() - 10) + path.substr(path.size() - 4);
    }
    return path;
}

std::string AppFileName() {
    std::array<char, 4096> buffer{};
    const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (length <= 0) return "";
    return StripDebugTag(std::string(buffer.data(), static_cast<size_t>(length)));
}

bool GrantFullAccess(const std::string& folder) {
    return media::GrantFullAccess(folder);
}
