#pragma once
// Every text a player reads goes through Tr, by which the string extractor finds it
// (xgettext --keyword=Tr); with the player's language's catalogue bound, it comes back in that
// language, and without one it comes back as written. TrNoop marks a text kept in a table
// and translated where it is drawn. TLanguages chooses the catalogue.

#include <libintl.h>

#include <initializer_list>
#include <string>

inline const char* Tr(const char* text) {
    // The empty text is the catalogue's header in gettext: it stays empty.
    return *text == '\0' ? text : dgettext("quillox", text);
}

constexpr const char* TrNoop(const char* text) {
    return text;
}

// A translated text with "%1", "%2", ... replaced by the values in order, so that a language
// can put them where its grammar wants them.
inline std::string TrFill(const char* text, std::initializer_list<std::string> values) {
    std::string pattern = Tr(text), out;
    for (size_t i = 0; i < pattern.size(); ++i) {
        const size_t index = i + 1 < pattern.size() && pattern[i] == '%'
                                 ? static_cast<size_t>(pattern[i + 1] - '1')
                                 : values.size();
        if (index < values.size()) {
            out += values.begin()[index];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}
