#pragma once
// The language the game speaks: chosen at start from the command line, the preferences or the
// system, and changed on the options screen, where the choice is kept in the preferences.
// Using a language switches Tr's catalogue and the folder of the button pictures drawn with
// its captions; Changed lets start-up reload what else depends on it (the tutorial's face).

#include <functional>
#include <string>

#include "system/TLanguages.h"

class TPreferences;
struct TPresentationContext;

class TLanguageChoice {
public:
    TLanguageChoice(TPresentationContext& presentation, TPreferences& preferences)
        : Presentation(presentation), Preferences(preferences) {}

    TLanguages Languages;
    // The code in use, "en" for English.
    std::string Current = TLanguages::English;
    std::function<void()> Changed;

    // The shipped languages of `localeDir` (ending in "/"), then the start-up choice: `asked`
    // (the command line's, for this run) when given, else the preferences', else the system's.
    // False when `asked` names no shipped language.
    [[nodiscard]] bool Start(const std::string& localeDir, const std::string& asked);
    void Use(const std::string& code);
    // The next shipped language, used at once and kept in the preferences.
    void ChooseNext();

private:
    TPresentationContext& Presentation;
    TPreferences& Preferences;
};
