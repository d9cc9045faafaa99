#include "host/TLanguageChoice.h"

#include <cstdlib>

#include "host/TPreferences.h"
#include "presentation/TPresentationContext.h"

bool TLanguageChoice::Start(const std::string& localeDir, const std::string& asked) {
    Languages.Load(localeDir);
    if (!asked.empty()) {
        const std::string code = Languages.Match(asked);
        if (code.empty()) return false;
        Use(code);
        return true;
    }
    const std::string kept = Languages.Match(Preferences.Language);
    Use(!Preferences.Language.empty() && !kept.empty()
            ? kept
            : Languages.FromSystem([](const char* name) { return std::getenv(name); }));
    return true;
}

void TLanguageChoice::Use(const std::string& code) {
    Current = code;
    Languages.Use(code);
    Presentation.LanguageFolder = code == TLanguages::English ? "" : code + "/";
    if (Changed) Changed();
}

void TLanguageChoice::ChooseNext() {
    Use(Languages.After(Current));
    Preferences.Language = Current;
    // A choice that cannot be saved still holds for this run.
    (void)Preferences.Save();
}
