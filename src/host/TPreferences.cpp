#include "host/TPreferences.h"

#include "host/TDataPaths.h"
#include "store/TIniLine.h"
#include "system/AtomicFile.h"
#include "system/ReportError.h"
#include "system/WholeFile.h"

namespace {

constexpr const char* kLanguage = "LANGUAGE";
constexpr const char* kReducedMotion = "REDUCED MOTION";

// Language codes are short and plain; anything else in the file is damage, not a choice.
bool PlainCode(const std::string& code) {
    if (code.size() > 16) return false;
    for (const char c : code) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                        (c >= '0' && c <= '9') || c == '_' || c == '-' || c == '@';
        if (!ok) return false;
    }
    return true;
}

}  // namespace

TPreferences::TPreferences(const TDataPaths& paths) : Paths(paths) {}

std::string TPreferences::Path() const {
    return Paths.SubPath + "preferences.ini";
}

void TPreferences::Load() {
    const auto bytes = ReadWholeFile(Path());
    if (!bytes) return;
    UnknownLines.clear();
    for (const std::string& text : TIniLine::SplitFileLines(*bytes)) {
        if (text.empty()) continue;
        const TIniLine line = TIniLine::Parse(text);
        if (line.Name == kLanguage) {
            if (PlainCode(line.Value)) Language = line.Value;
        } else if (line.Name == kReducedMotion) {
            ReducedMotion = line.IntValue() != 0;
        } else if (text.find('=') != std::string::npos) {
            UnknownLines.push_back(text);
        }
    }
}

std::string TPreferences::Text() const {
    std::string text;
    text += std::string("Language=") + Language + "\r\n";
    text += std::string("Reduced Motion=") + (ReducedMotion ? "1" : "0") + "\r\n";
    for (const std::string& line : UnknownLines) text += line + "\r\n";
    return text;
}

bool TPreferences::Save() const {
    if (WriteFileAtomic(Path(), Text())) return true;
    ReportError("Could not save file '" + Path() + "'", false);
    return false;
}
