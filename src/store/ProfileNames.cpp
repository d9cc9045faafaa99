#include "store/ProfileNames.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "system/AtomicFile.h"
#include "system/Paths.h"
#include "system/ReportError.h"

namespace {

constexpr std::string_view ForbiddenCharacters = "/\\:*?\"<>|";
constexpr std::string_view ProfileExtension = ".dat";

// The name a profile file's name stands for, "" when it is no profile file.
std::string ProfileNameOf(const std::string& file) {
    if (file.size() <= ProfileExtension.size() || !file.ends_with(ProfileExtension)) return "";
    return file.substr(0, file.size() - ProfileExtension.size());
}

// Gives a profile file saved under an untrimmed name the file name of its trimmed one; returns
// what happened, for the error log.
[[nodiscard]] std::string MoveUntrimmedProfile(const std::string& from, const std::string& to) {
    const auto bytes = ReadWholeFile(from);
    if (!bytes) return "Profile file '" + from + "' could not be read and keeps its name";
    std::error_code error;
    std::string target = to;
    if (std::filesystem::exists(to, error)) {
        if (ReadWholeFile(to) == bytes) {
            std::filesystem::remove(from, error);
            return "Profile file '" + from + "' removed: '" + to + "' holds the same";
        }
        target = NumberedCopyPath(to + ".untrimmed", *bytes);
        if (std::filesystem::exists(target, error)) {
            std::filesystem::remove(from, error);
            return "Profile file '" + from + "' removed: '" + target + "' holds the same";
        }
    }
    if (!RenameWithoutReplacing(from, target)) {
        return "Profile file '" + from + "' could not be renamed to '" + target + "'";
    }
    if (target == to) {
        return "Profile file '" + from + "' renamed to '" + to +
               "': names have no blanks at either end";
    }
    return "Profile files '" + from + "' and '" + to + "' both exist; '" + from + "' is kept as '" +
           target + "'";
}

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
        std::string name = ProfileNameOf(it->path().filename().string());
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

void TrimProfileFileNames(const std::string& folder) {
    std::vector<std::string> untrimmed;
    std::error_code error;
    std::filesystem::directory_iterator it(folder, error);
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        if (!it->is_regular_file(error)) continue;
        const std::string file = it->path().filename().string();
        const std::string name = ProfileNameOf(file);
        if (TrimmedName(name) != name && IsSafeProfileName(TrimmedName(name))) {
            untrimmed.push_back(file);
        }
    }
    // The same order on every machine: which of " Ann" and "Ann " takes the name repeats.
    std::sort(untrimmed.begin(), untrimmed.end());
    const std::string prefix = folder.ends_with('/') ? folder : folder + "/";
    // The log holds one entry, the last: every move goes into it together.
    std::string report;
    for (const std::string& file : untrimmed) {
        if (!report.empty()) report += "\r\n";
        report += MoveUntrimmedProfile(prefix + file, prefix + TrimmedName(ProfileNameOf(file)) +
                                                          std::string(ProfileExtension));
    }
    if (!report.empty()) LogError(report);
}
