#pragma once
// The languages the game ships, as Data/locale/languages.txt lists them ("CODE Own name" a line;
// English is always there, first), and the choice among them: a code asked for on the command
// line, in the preferences or by the system's locale variables comes to a shipped code or to
// English. Use makes it the language of Tr: the catalogues are gettext's, so the choice is
// gettext's LANGUAGE with the message locale C.UTF-8, which every system has.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct TLanguage {
    std::string Code;  // "en", "de", "pt_BR", ...
    std::string Name;  // in its own language: "Deutsch", "Русский", ...
};

class TLanguages {
public:
    static constexpr const char* English = "en";

    // English alone until Load.
    TLanguages();

    // Reads the list from `localeDir` (ending in "/"); a missing or damaged file leaves English
    // alone, and a damaged line is skipped.
    void Load(const std::string& localeDir);
    [[nodiscard]] const std::vector<TLanguage>& All() const { return Languages; }

    // The shipped code for `wanted`: the code itself, then its language without the country
    // ("de" for "de_AT.UTF-8"), then the first shipped one of that language ("pt_BR" for "pt");
    // "C" and "POSIX" are English. Empty when none fits.
    [[nodiscard]] std::string Match(std::string_view wanted) const;
    // The system's choice from LANGUAGE (a list, the first shipped one wins), LC_ALL,
    // LC_MESSAGES and LANG, the first one set; English when none names a shipped language.
    [[nodiscard]] std::string FromSystem(
        const std::function<const char*(const char*)>& getEnv) const;
    // The code after `code` in the list, round to the first: the options' language row.
    [[nodiscard]] std::string After(const std::string& code) const;
    [[nodiscard]] std::string NameOf(const std::string& code) const;

    // Makes `code` (a shipped one) the language of Tr from now on.
    void Use(const std::string& code) const;

private:
    std::vector<TLanguage> Languages;
    std::string LocaleDir;
};
