#include "store/ProfileNames.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {

constexpr std::string_view ForbiddenCharacters = "/\\:*?\"<>|";
constexpr std::string_view ProfileExtension = ".dat";

}  // namespace

std::string TrimmedName(std::string_view name) {
    const auto first = name.find_first_not_of(' ');
    if (first == std::string_view::npos) return "";
    return std::string(name.substr(first, name.find_last_not_of(' ') - first + 1));
}

bool IsSafeProfileName(std::string_view name) {
    if (name.empty() || name.size() > MaxProfileNameLength || name.front() == '.') return false;
    if (name.front() == ' ' || name.back() == ' ') return false;
    return std::all_of(name.begin(), name.end(), [](char c) {
        const auto code = static_cast<unsigned char>(c);
        return code >= 32 && code <= 126 && ForbiddenCharacters.find(c) == std::string_view::npos;
    });
}

std::vector<std::string> ListProfileNames(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    std::filesystem::directory_iterator it(folder, error);
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        if (!it->is_regular_file(error)) continue;
        const std::string file = it->path().filename().string();
        if (file.size() <= ProfileExtension.size() || !file.ends_with(ProfileExtension)) continue;
        std::string name = file.substr(0, file.size() - ProfileExtension.size());
        if (IsSafeProfileName(name)) names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string StartupProfileName(const std::string& rememberedName, const std::string& folder) {
    const std::string remembered = TrimmedName(rememberedName);
    if (IsSafeProfileName(remembered)) return remembered;
    std::vector<std::string> names = ListProfileNames(folder);
    return names.empty() ? std::string() : names.front();
}
