#include "system/TLanguages.h"

#include <libintl.h>

#include <clocale>
#include <cstdlib>

#include "system/TextLines.h"
#include "system/WholeFile.h"

namespace {

constexpr const char* kDomain = "quillox";

bool PlainCode(std::string_view code) {
    if (code.empty() || code.size() > 16) return false;
    for (const char c : code) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == '@';
        if (!ok) return false;
    }
    return true;
}

std::string Trim(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// "de_DE.UTF-8@euro" to "de_DE": the encoding and the modifier say nothing of the language.
std::string_view LocaleCode(std::string_view name) {
    return name.substr(0, name.find_first_of(".@"));
}

}  // namespace

TLanguages::TLanguages() : Languages{{English, "English"}} {}

void TLanguages::Load(const std::string& localeDir) {
    LocaleDir = localeDir;
    Languages = {{English, "English"}};
    const auto text = ReadWholeFile(localeDir + "languages.txt");
    if (!text) return;
    for (const std::string& raw : SplitLines(*text)) {
        const std::string line = Trim(raw);
        const size_t gap = line.find(' ');
        if (line.empty() || line[0] == '#' || gap == std::string::npos) continue;
        const std::string code = line.substr(0, gap);
        const std::string name = Trim(line.substr(gap + 1));
        bool known = false;
        for (const TLanguage& language : Languages) known = known || language.Code == code;
        if (!PlainCode(code) || name.empty() || known) continue;
        Languages.push_back({code, name});
    }
}

std::string TLanguages::Match(std::string_view wanted) const {
    const std::string_view code = LocaleCode(wanted);
    if (code == "C" || code == "POSIX") return English;
    const std::string_view language = code.substr(0, code.find('_'));
    if (language.empty()) return {};
    for (const TLanguage& shipped : Languages) {
        if (shipped.Code == code) return shipped.Code;
    }
    for (const TLanguage& shipped : Languages) {
        if (shipped.Code == language) return shipped.Code;
    }
    for (const TLanguage& shipped : Languages) {
        if (shipped.Code.substr(0, shipped.Code.find('_')) == language) return shipped.Code;
    }
    return {};
}

std::string TLanguages::FromSystem(const std::function<const char*(const char*)>& getEnv) const {
    for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = getEnv(variable);
        if (value == nullptr || *value == '\0') continue;
        std::string_view list = value;
        // LANGUAGE lists fallbacks; the other variables hold one name.
        while (!list.empty()) {
            const size_t colon = list.find(':');
            const std::string match = Match(list.substr(0, colon));
            if (!match.empty()) return match;
            list = colon == std::string_view::npos ? std::string_view() : list.substr(colon + 1);
        }
        // gettext reads LANGUAGE only beside a real locale; the others decide on their own.
        if (std::string_view(variable) != "LANGUAGE") return English;
    }
    return English;
}

std::string TLanguages::After(const std::string& code) const {
    for (size_t i = 0; i < Languages.size(); ++i) {
        if (Languages[i].Code == code) return Languages[(i + 1) % Languages.size()].Code;
    }
    return English;
}

std::string TLanguages::NameOf(const std::string& code) const {
    for (const TLanguage& language : Languages) {
        if (language.Code == code) return language.Name;
    }
    return Languages.front().Name;
}

void TLanguages::Use(const std::string& code) const {
    bindtextdomain(kDomain, LocaleDir.c_str());
    bind_textdomain_codeset(kDomain, "UTF-8");
    // English has no catalogue, so every text comes back as written.
    setenv("LANGUAGE", code.c_str(), 1);
    // In the C locale gettext ignores LANGUAGE; C.UTF-8 is the one locale every system has.
    if (std::setlocale(LC_MESSAGES, "C.UTF-8") == nullptr) std::setlocale(LC_MESSAGES, "");
    // Setting the domain again tells gettext that its cached translations are stale.
    textdomain(textdomain(nullptr));
}
