#include "Catalogues.h"

#include <fstream>
#include <sstream>

namespace quillox::assets {
namespace {

bool ReadText(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream s;
    s << in.rdbuf();
    text = s.str();
    return true;
}

// The string of a quoted po line ("..." with C escapes), appended to `out`.
void AppendQuoted(const std::string& line, std::string& out) {
    const size_t open = line.find('"');
    const size_t close = line.rfind('"');
    if (open == std::string::npos || close <= open) return;
    for (size_t i = open + 1; i < close; ++i) {
        if (line[i] != '\\' || i + 1 >= close) {
            out += line[i];
            continue;
        }
        const char e = line[++i];
        out += e == 'n' ? '\n' : e == 't' ? '\t' : e;
    }
}

}  // namespace

const std::string& Catalogue::Tr(const std::string& english) const {
    const auto found = texts.find(english);
    return found == texts.end() || found->second.empty() ? english : found->second;
}

std::map<std::string, std::string> ParsePo(const std::string& text) {
    std::map<std::string, std::string> texts;
    std::string id, str, *target = nullptr;
    bool fuzzy = false;
    const auto flush = [&] {
        if (!id.empty() && !str.empty() && !fuzzy) texts[id] = str;
        id.clear();
        str.clear();
        target = nullptr;
        fuzzy = false;
    };
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.rfind("#,", 0) == 0) {
            if (target == &str) flush();
            fuzzy = line.find("fuzzy") != std::string::npos;
        } else if (line.rfind("msgid ", 0) == 0) {
            const bool keepFuzzy = fuzzy && target != &str;
            if (target == &str) flush();
            fuzzy = keepFuzzy;
            target = &id;
            AppendQuoted(line, id);
        } else if (line.rfind("msgstr ", 0) == 0) {
            target = &str;
            AppendQuoted(line, str);
        } else if (!line.empty() && line[0] == '"' && target != nullptr) {
            AppendQuoted(line, *target);
        }
    }
    flush();
    return texts;
}

std::vector<Catalogue> LoadCatalogues(const std::string& poDir, std::vector<std::string>& errors) {
    std::vector<Catalogue> catalogues;
    std::string list;
    if (!ReadText(poDir + "languages.txt", list)) {
        errors.push_back("cannot read " + poDir + "languages.txt");
        return catalogues;
    }
    std::istringstream in(list);
    for (std::string line; std::getline(in, line);) {
        const size_t gap = line.find(' ');
        if (line.empty() || line[0] == '#' || gap == std::string::npos) continue;
        Catalogue c;
        c.code = line.substr(0, gap);
        c.name = line.substr(gap + 1);
        std::string po;
        if (!ReadText(poDir + c.code + ".po", po)) {
            errors.push_back("cannot read " + poDir + c.code + ".po");
            continue;
        }
        c.texts = ParsePo(po);
        catalogues.push_back(std::move(c));
    }
    return catalogues;
}

std::vector<int> CodePoints(const std::string& text) {
    std::vector<int> codes;
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
        int code = extra == 0 ? lead : lead & (0x3F >> extra);
        for (int k = 1; k <= extra && i + static_cast<size_t>(k) < text.size(); ++k) {
            code =
                (code << 6) | (static_cast<unsigned char>(text[i + static_cast<size_t>(k)]) & 0x3F);
        }
        codes.push_back(code);
        i += static_cast<size_t>(extra) + 1;
    }
    return codes;
}

std::set<int> CataloguesCharacters(const std::vector<Catalogue>& catalogues) {
    std::set<int> codes;
    for (const Catalogue& c : catalogues) {
        for (int code : CodePoints(c.name)) codes.insert(code);
        for (const auto& [english, translated] : c.texts) {
            for (int code : CodePoints(translated)) {
                if (code >= 32) codes.insert(code);
            }
        }
    }
    return codes;
}

}  // namespace quillox::assets
