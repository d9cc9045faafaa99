#include "presentation/TTextTable.h"

#include "system/StringHelpers.h"
#include "system/TextLines.h"

bool TTextTable::ReadText(const std::string& text) {
    Texts.clear();
    const std::vector<std::string> lines = SplitLines(text);
    size_t at = 0;
    while (at < lines.size()) {
        if (UpperCase(lines[at]) != "[" + HeaderName + "]") return false;
        ++at;
        // A header straight after a header holds no entry.
        if (at >= lines.size() || (!lines[at].empty() && lines[at][0] == '[')) continue;
        const std::string key = UpperCase(lines[at++]);
        std::vector<std::string> value;
        while (at < lines.size() && (lines[at].empty() || lines[at][0] != '[')) {
            value.push_back(lines[at++]);
        }
        Texts[key] = std::move(value);
    }
    return true;
}

std::vector<std::string> TTextTable::Find(const std::string& key) const {
    const auto found = Texts.find(UpperCase(key));
    return found == Texts.end() ? std::vector<std::string>() : found->second;
}

std::string TTextTable::FindString(const std::string& key) const {
    std::string joined;
    const std::vector<std::string> lines = Find(key);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) joined += "\r\n";
        joined += lines[i];
    }
    return joined;
}
