#include "store/TIniFile.h"

#include "system/AtomicFile.h"
#include "system/Paths.h"
#include "system/ReportError.h"
#include "system/StringHelpers.h"

void TIniFile::Add(const std::string& name, const std::string& value) {
    Lines.push_back({UpperCase(name), value});
}

std::string TIniFile::Text() const {
    std::string text;
    for (const auto& line : Lines) text += line.Name + "=" + line.Value + "\r\n";
    return text;
}

void TIniFile::Save() const {
    if (!WriteFileAtomic(Path(), Text())) ReportError("Failed to save file " + Path(), true);
}

void TIniFile::Load() {
    if (const auto bytes = ReadWholeFile(Path())) {
        for (const auto& text : TIniLine::SplitFileLines(*bytes)) {
            const TIniLine read = TIniLine::Parse(text);
            for (auto& line : Lines) {
                if (line.Name == read.Name) line.Value = read.Value;
            }
        }
    }
    Save();
}

std::string TIniFile::Get(const std::string& name) const {
    const std::string key = UpperCase(name);
    for (const auto& line : Lines) {
        if (line.Name == key) return line.Value;
    }
    return "";
}
