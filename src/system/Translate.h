#pragma once
// Every text a player reads goes through Tr, by which the string extractor finds it
// (xgettext --keyword=Tr); with the player's language's catalogue bound, it comes back in that
// language, and without one it comes back as written. TrNoop marks a text kept in a table
// and translated where it is drawn.

#include <libintl.h>

inline const char* Tr(const char* text) {
    return dgettext("quillox", text);
}

constexpr const char* TrNoop(const char* text) {
    return text;
}
