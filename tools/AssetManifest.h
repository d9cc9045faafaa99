// Every file the asset generator writes into the Data folder, with the cell layout the game
// cuts each picture into. The generator takes its sizes from here and the tests check the
// written files against it, so the two can never drift apart.
#pragma once

#include <array>
#include <string_view>
#include <utility>

namespace quillox::assets {

// A picture: a single image (frames 1) or a horizontal strip of equal cells.
struct ImageAsset {
    std::string_view folder;  // below Data/
    std::string_view name;    // file name without ".png"
    int cellWidth;
    int cellHeight;
    int frames;
    int Width() const { return cellWidth * frames; }
    int Height() const { return cellHeight; }
};

struct SoundAsset {
    std::string_view name;  // Data/sound/<name>.wav
    double maxSeconds;      // effects stay short
};

inline constexpr std::string_view kGraphics = "graphics";
inline constexpr std::string_view kMenus = "menus";
inline constexpr std::string_view kIcons = "icons";
// The program's icon, one square picture per size the desktop's icon theme holds.
inline constexpr std::array kIconNames = {
    std::string_view{"16"},  std::string_view{"24"}, std::string_view{"32"},
    std::string_view{"48"},  std::string_view{"64"}, std::string_view{"128"},
    std::string_view{"256"},
};

inline constexpr int kScoreImageCount = 19;  // score5 .. score20, score30, score40, score50

inline constexpr std::array kImages = {
    // Pieces, tokens and play effects.
    ImageAsset{kGraphics, "zindles", 48, 48, 13},
    ImageAsset{kGraphics, "zindlesCB", 48, 48, 13},
    ImageAsset{kGraphics, "next", 24, 24, 13},
    ImageAsset{kGraphics, "nextCB", 24, 24, 13},
    ImageAsset{kGraphics, "explode", 64, 64, 16},
    ImageAsset{kGraphics, "TokenVortex", 58, 58, 3},
    ImageAsset{kGraphics, "TokenPalette", 58, 58, 3},
    ImageAsset{kGraphics, "TokenBomb", 58, 58, 3},
    ImageAsset{kGraphics, "paint", 39, 23, 10},
    ImageAsset{kGraphics, "brush", 40, 72, 1},
    ImageAsset{kGraphics, "select", 60, 60, 1},
    ImageAsset{kGraphics, "dot", 16, 16, 1},
    ImageAsset{kGraphics, "particle1", 12, 12, 1},
    ImageAsset{kGraphics, "particle2", 24, 24, 1},
    ImageAsset{kGraphics, "particlering", 64, 64, 1},
    ImageAsset{kGraphics, "ball", 24, 24, 1},
    ImageAsset{kGraphics, "power", 64, 64, 1},
    ImageAsset{kGraphics, "ind", 48, 48, 1},
    ImageAsset{kGraphics, "moi", 128, 128, 1},
    ImageAsset{kGraphics, "machine", 64, 64, 1},
    ImageAsset{kGraphics, "padlock", 22, 26, 1},
    ImageAsset{kGraphics, "score5", 64, 44, 1},
    ImageAsset{kGraphics, "score6", 64, 44, 1},
    ImageAsset{kGraphics, "score7", 64, 44, 1},
    ImageAsset{kGraphics, "score8", 64, 44, 1},
    ImageAsset{kGraphics, "score9", 64, 44, 1},
    ImageAsset{kGraphics, "score10", 84, 44, 1},
    ImageAsset{kGraphics, "score11", 84, 44, 1},
    ImageAsset{kGraphics, "score12", 84, 44, 1},
    ImageAsset{kGraphics, "score13", 84, 44, 1},
    ImageAsset{kGraphics, "score14", 84, 44, 1},
    ImageAsset{kGraphics, "score15", 84, 44, 1},
    ImageAsset{kGraphics, "score16", 84, 44, 1},
    ImageAsset{kGraphics, "score17", 84, 44, 1},
    ImageAsset{kGraphics, "score18", 84, 44, 1},
    ImageAsset{kGraphics, "score19", 84, 44, 1},
    ImageAsset{kGraphics, "score20", 84, 44, 1},
    ImageAsset{kGraphics, "score30", 84, 44, 1},
    ImageAsset{kGraphics, "score40", 84, 44, 1},
    ImageAsset{kGraphics, "score50", 84, 44, 1},
    ImageAsset{kGraphics, "x2", 56, 40, 1},
    ImageAsset{kGraphics, "x3", 56, 40, 1},
    ImageAsset{kGraphics, "x4", 56, 40, 1},
    ImageAsset{kGraphics, "x5", 56, 40, 1},
    ImageAsset{kGraphics, "x6", 56, 40, 1},
    ImageAsset{kGraphics, "x7", 56, 40, 1},
    ImageAsset{kGraphics, "x8", 56, 40, 1},
    // The machine: the empty globe drawn over the filled one of the backgrounds.
    ImageAsset{kGraphics, "empty", 171, 148, 1},
    ImageAsset{kGraphics, "lsempty", 171, 148, 1},
    ImageAsset{kGraphics, "winm", 200, 200, 1},
    ImageAsset{kGraphics, "win", 128, 128, 1},
    ImageAsset{kGraphics, "welldone", 440, 110, 1},
    // Screens.
    ImageAsset{kGraphics, "GameBoard", 800, 600, 1},
    ImageAsset{kGraphics, "titleb", 800, 600, 1},
    ImageAsset{kGraphics, "levelselect", 800, 600, 1},
    ImageAsset{kGraphics, "background", 800, 600, 1},
    ImageAsset{kGraphics, "background3", 800, 600, 1},
    ImageAsset{kGraphics, "iboard", 800, 600, 1},
    ImageAsset{kGraphics, "loadingscreen", 800, 600, 1},
    ImageAsset{kGraphics, "Ring", 400, 400, 1},
    // The pieces riding the title's ring, each with its shadow, one cell per piece value.
    ImageAsset{kGraphics, "ringpieces", 52, 52, 12},
    ImageAsset{kGraphics, "levelcomplete", 560, 96, 1},
    ImageAsset{kGraphics, "gameover", 560, 96, 1},
    ImageAsset{kGraphics, "gamefinished", 560, 96, 1},
    // Boxes, pointers and the loading screen.
    ImageAsset{kGraphics, "dialog", 400, 200, 1},
    ImageAsset{kGraphics, "help", 440, 250, 1},
    ImageAsset{kGraphics, "players", 440, 440, 1},
    ImageAsset{kGraphics, "hint", 192, 100, 1},
    ImageAsset{kGraphics, "hintp", 47, 44, 1},
    ImageAsset{kGraphics, "arrows", 95, 72, 4},
    ImageAsset{kGraphics, "pointer", 32, 32, 1},
    ImageAsset{kGraphics, "paused", 360, 130, 1},
    ImageAsset{kGraphics, "loadingbar", 360, 32, 1},
    ImageAsset{kGraphics, "loadingbar.empty", 360, 32, 1},
    ImageAsset{kGraphics, "loading", 220, 40, 1},
    ImageAsset{kGraphics, "slider", 280, 36, 1},
    ImageAsset{kGraphics, "sliderdot", 36, 36, 1},
    ImageAsset{kGraphics, "clickhere", 300, 56, 1},
    ImageAsset{kGraphics, "clickhereMO", 300, 56, 1},
    // The maker's logo for the optional splash, read from beside the graphics folder.
    ImageAsset{"", "bexholt", 400, 200, 1},
    // Buttons: each with its hover look.
    ImageAsset{kMenus, "changeplayer", 262, 46, 1},
    ImageAsset{kMenus, "changeplayerMO", 262, 46, 1},
    ImageAsset{kMenus, "playgame", 270, 46, 1},
    ImageAsset{kMenus, "playgameMO", 270, 46, 1},
    ImageAsset{kMenus, "options", 270, 46, 1},
    ImageAsset{kMenus, "optionsMO", 270, 46, 1},
    ImageAsset{kMenus, "instructions", 270, 46, 1},
    ImageAsset{kMenus, "instructionsMO", 270, 46, 1},
    ImageAsset{kMenus, "highscores", 270, 46, 1},
    ImageAsset{kMenus, "highscoresMO", 270, 46, 1},
    ImageAsset{kMenus, "exitgame", 270, 46, 1},
    ImageAsset{kMenus, "exitgameMO", 270, 46, 1},
    ImageAsset{kMenus, "moregames", 262, 46, 1},
    ImageAsset{kMenus, "moregamesMO", 262, 46, 1},
    ImageAsset{kMenus, "resume", 270, 46, 1},
    ImageAsset{kMenus, "resumeMO", 270, 46, 1},
    ImageAsset{kMenus, "saveandexit", 270, 46, 1},
    ImageAsset{kMenus, "saveandexitMO", 270, 46, 1},
    ImageAsset{kMenus, "OK", 150, 50, 1},
    ImageAsset{kMenus, "OKMO", 150, 50, 1},
    ImageAsset{kMenus, "Yes", 150, 50, 1},
    ImageAsset{kMenus, "YesMO", 150, 50, 1},
    ImageAsset{kMenus, "Cancel", 150, 50, 1},
    ImageAsset{kMenus, "CancelMO", 150, 50, 1},
    ImageAsset{kMenus, "Add", 120, 46, 1},
    ImageAsset{kMenus, "AddMO", 120, 46, 1},
    ImageAsset{kMenus, "Delete", 120, 46, 1},
    ImageAsset{kMenus, "DeleteMO", 120, 46, 1},
    ImageAsset{kMenus, "back", 150, 50, 1},
    ImageAsset{kMenus, "backMO", 150, 50, 1},
    ImageAsset{kMenus, "menu", 130, 48, 1},
    ImageAsset{kMenus, "menuMO", 130, 48, 1},
    ImageAsset{kMenus, "clear", 150, 50, 1},
    ImageAsset{kMenus, "clearMO", 150, 50, 1},
    ImageAsset{kMenus, "levelstats", 170, 40, 1},
    ImageAsset{kMenus, "levelstatsMO", 170, 40, 1},
    ImageAsset{kMenus, "credits", 150, 50, 1},
    ImageAsset{kMenus, "creditsMO", 150, 50, 1},
    ImageAsset{kMenus, "on", 110, 44, 1},
    ImageAsset{kMenus, "onMO", 110, 44, 1},
    ImageAsset{kMenus, "off", 110, 44, 1},
    ImageAsset{kMenus, "offMO", 110, 44, 1},
    ImageAsset{kMenus, "on2", 56, 36, 1},
    ImageAsset{kMenus, "on2MO", 56, 36, 1},
    ImageAsset{kMenus, "off2", 56, 36, 1},
    ImageAsset{kMenus, "off2MO", 56, 36, 1},
    ImageAsset{kMenus, "language", 240, 44, 1},
    ImageAsset{kMenus, "languageMO", 240, 44, 1},
    ImageAsset{kMenus, "clickhere", 300, 56, 1},
    ImageAsset{kMenus, "clickhereMO", 300, 56, 1},
    ImageAsset{kMenus, "classic", 150, 50, 1},
    ImageAsset{kMenus, "classicMO", 150, 50, 1},
    ImageAsset{kMenus, "undo", 150, 46, 1},
    ImageAsset{kMenus, "undoMO", 150, 46, 1},
    ImageAsset{kMenus, "hint", 150, 46, 1},
    ImageAsset{kMenus, "hintMO", 150, 46, 1},
    ImageAsset{kMenus, "daily", 150, 46, 1},
    ImageAsset{kMenus, "dailyMO", 150, 46, 1},
    ImageAsset{kMenus, "classicscores", 170, 40, 1},
    ImageAsset{kMenus, "classicscoresMO", 170, 40, 1},
    ImageAsset{kMenus, "levelscores", 170, 40, 1},
    ImageAsset{kMenus, "levelscoresMO", 170, 40, 1},
    ImageAsset{kIcons, "16", 16, 16, 1},
    ImageAsset{kIcons, "24", 24, 24, 1},
    ImageAsset{kIcons, "32", 32, 32, 1},
    ImageAsset{kIcons, "48", 48, 48, 1},
    ImageAsset{kIcons, "64", 64, 64, 1},
    ImageAsset{kIcons, "128", 128, 128, 1},
    ImageAsset{kIcons, "256", 256, 256, 1},
};

inline constexpr std::array kSounds = {
    SoundAsset{"buttonclick", 0.3}, SoundAsset{"buttonMO", 0.2}, SoundAsset{"deal", 0.6},
    SoundAsset{"boom", 1.5},        SoundAsset{"paint", 1.0},    SoundAsset{"click", 0.15},
    SoundAsset{"error", 0.5},       SoundAsset{"level", 1.5},    SoundAsset{"fail", 0.3},
    SoundAsset{"score", 1.0},       SoundAsset{"win", 3.0},
};

// The bitmap fonts: Data/fonts/<name>.png and <name>.fnt.
inline constexpr std::array kBitmapFonts = {std::string_view{"font_lg"},
                                            std::string_view{"font_md"}};
inline constexpr int kFirstFontChar = 32;
inline constexpr int kLastFontChar = 126;
// Letters the fonts hold beyond Latin-1 and the translations, so that players can type their
// names in them: Latin Extended-A (Polish, Czech, Turkish, ...) and Cyrillic.
inline constexpr std::array<std::pair<int, int>, 2> kNameLetterRanges = {{
    {0x100, 0x17F},
    {0x400, 0x45F},
}};

inline constexpr std::string_view kTitleMusic = "music/title.ogg";
inline constexpr double kTitleMusicMinSeconds = 60.0;
inline constexpr std::string_view kTutorialFont = "fonts/tut.ttf";
inline constexpr std::string_view kTutorialFontLicence = "fonts/tut-LICENSE.txt";
// The face of plain text: message boxes and the debug display (the media layer's own font).
inline constexpr std::string_view kTextFont = "fonts/text.ttf";
inline constexpr std::string_view kTextFontLicence = "fonts/text-LICENSE.txt";
// The licence of the script face that languages beyond the faces above draw with.
inline constexpr std::string_view kScriptFontLicence = "fonts/script-LICENSE.txt";
inline constexpr std::string_view kDefaultIni = "Default.ini";

// Folders the game reads from, made even when a folder has nothing in it yet.
inline constexpr std::array kFolders = {
    std::string_view{"graphics"}, std::string_view{"sound"}, std::string_view{"music"},
    std::string_view{"speech"},   std::string_view{"menus"}, std::string_view{"text"},
    std::string_view{"levels"},   std::string_view{"fonts"}, std::string_view{"icons"},
};

// The settings file shipped with the game, line by line (written with CR LF).
inline constexpr std::array kDefaultIniLines = {
    std::string_view{"FULL SCREEN=0"},
    std::string_view{"SOUND=1"},
    std::string_view{"MUSIC=1"},
    std::string_view{"SPEECH=1"},
    std::string_view{"SOUND VOLUME=100"},
    std::string_view{"MUSIC VOLUME=50"},
    std::string_view{"SPEECH VOLUME=100"},
    std::string_view{"FADE=1"},
    std::string_view{"PARTICLES=80"},
    std::string_view{"PORTAL SPLASH=0"},
    std::string_view{"PORTAL SPLASH2=0"},
    std::string_view{"INTRO=0"},
    std::string_view{"VSYNC=1"},
    std::string_view{"DRIVER=1"},
    std::string_view{"SOUND DRIVER=OpenAL Generic Software"},
    std::string_view{"FULL SCREEN PROCESS PRIORITY=0"},
    std::string_view{"FULL SCREEN THREAD PRIORITY=0"},
    std::string_view{"WINDOWED PROCESS PRIORITY=0"},
    std::string_view{"WINDOWED THREAD PRIORITY=0"},
    std::string_view{"PROFILE NAME="},
    std::string_view{"REGION=0"},
    std::string_view{"SUB-REGION=0"},
};

// Finds a picture by folder and name; the generator asks only for names it knows exist.
constexpr const ImageAsset* FindImage(std::string_view folder, std::string_view name) {
    for (const ImageAsset& a : kImages) {
        if (a.folder == folder && a.name == name) return &a;
    }
    return nullptr;
}

// Half width of the machine's glass at each fill height 0..147, as the play screen uses it.
constexpr std::array<int, 148> GlobeHalfWidths() {
    std::array<int, 148> t{};
    int i = 0;
    auto put = [&](int value, int run) {
        for (int k = 0; k < run; ++k) t[i++] = value;
    };
    for (int v = 45; v <= 64; ++v) put(v, 1);
    put(65, 2), put(66, 1), put(67, 1), put(68, 1), put(69, 2), put(70, 1), put(71, 2);
    put(72, 1), put(73, 2), put(74, 2), put(75, 2), put(76, 2), put(77, 3), put(78, 3);
    put(79, 3), put(80, 3), put(81, 4), put(82, 5), put(83, 26), put(82, 5), put(81, 4);
    put(80, 3), put(79, 3), put(78, 3), put(77, 3), put(76, 2), put(75, 2), put(74, 2);
    put(73, 2), put(72, 1), put(71, 2), put(70, 1), put(69, 2), put(68, 1), put(67, 1);
    put(66, 1), put(65, 2);
    for (int v = 64; v >= 46; --v) put(v, 1);
    put(45, 3);
    return t;
}

}  // namespace quillox::assets
