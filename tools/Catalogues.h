// The translations the pictures with texts are drawn in: each language of po/languages.txt with
// its catalogue po/CODE.po, read as gettext would use it (fuzzy entries do not count), and the
// characters they need, which the bitmap fonts must hold.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

namespace quillox::assets {

// Marks a text for the string extractor; the generator draws it through a Catalogue.
constexpr const char* TrNoop(const char* text) {
    return text;
}

class Catalogue {
public:
    std::string code;  // "de", "pt_BR", ...
    std::string name;  // the language's own name
    std::map<std::string, std::string> texts;

    // The translation of `english`, or `english` where there is none.
    const std::string& Tr(const std::string& english) const;
};

// The languages of `poDir` (ending in "/"); a language whose catalogue cannot be read is
// reported in `errors` and left out.
std::vector<Catalogue> LoadCatalogues(const std::string& poDir, std::vector<std::string>& errors);
// Parses the text of a ".po" file.
std::map<std::string, std::string> ParsePo(const std::string& text);
// Every character of the translations and the languages' names, as Unicode code points.
std::set<int> CataloguesCharacters(const std::vector<Catalogue>& catalogues);
// The code points of UTF-8 text.
std::vector<int> CodePoints(const std::string& text);

}  // namespace quillox::assets
