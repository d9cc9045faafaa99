#pragma once
// Texts the game shows in more than one place.

#include "system/Translate.h"

namespace game_texts {

inline constexpr const char* Version = "v1.3";
inline constexpr const char* CopyrightLine = "(c) 2026 Bexholt Games";
// The window's caption and the title of system message boxes.
inline constexpr const char* AppTitle = "Quillox v1.3 - (c) 2026 Bexholt Games";
inline constexpr const char* WebAddress = "https://bexholt.example/games";
// Translated where they are shown.
inline constexpr const char* WebQuestion =
    TrNoop("This will launch your web browser and take you to Bexholt.");
inline constexpr const char* NoWebBrowser =
    TrNoop("No web browser could be opened. Please visit bexholt.example/games");

}  // namespace game_texts
