#include "store/ProfileNames.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <system_error>

#include "system/AtomicFile.h"
#include "system/Paths.h"
#include "system/ReportError.h"

namespace {

constexpr std::string_view ForbiddenCharacters = "/\\:*?\"<>|";
constexpr std::string_view ProfileExtension = ".dat";

constexpr std::uint32_t Invalid = 0xFFFFFFFF;

// The character of UTF-8 text at `i` (advanced past it); Invalid for a malformed sequence, an
// overlong one or a surrogate, none of which a typed name holds.
std::uint32_t NextNameCharacter(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80) return lead;
    const int extra = lead >= 0xF0 && lead <= 0xF4 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 ? 1 : -1;
    if (extra < 0 || lead > 0xF4) return Invalid;
    std::uint32_t code = lead & (0x3Fu >> extra);
    for (int k = 0; k < extra; ++k, ++i) {
        if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            return Invalid;
        code = (code << 6) | (static_cast<unsigned char>(text[i]) & 0x3Fu);
    }
    const std::uint32_t smallest[] = {0, 0x80, 0x800, 0x10000};
    if (code < smallest[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return Invalid;
    }
    return code;
}

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
    if (name.empty() || name.front() == '.') return false;
    if (name.front() == ' ' || name.back() == ' ') return false;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < name.size(); ++characters) {
        const std::uint32_t code = NextNameCharacter(name, i);
        if (code == Invalid || code < 32 || (code >= 127 && code < 0xA0)) return false;
        if (code < 128 &&
            ForbiddenCharacters.find(static_cast<char>(code)) != std::string_view::npos) {
            return false;
        }
    }
    return characters <= MaxProfileNameLength;
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
