#pragma once
// The settings the host keeps in its settings file, in the order of the file's lines, with
// their built-in defaults. Keys are as passed to TIniFile::Add (the file holds them upper-cased).

#include <array>

struct IniSetting {
    const char* Key;
    const char* Default;
};

inline constexpr std::array<IniSetting, 22> IniSettings = {{
    {"Full Screen", "1"},
    {"Sound", "1"},
    {"Music", "1"},
    {"Speech", "1"},
    {"Sound Volume", "100"},
    {"Music Volume", "50"},
    {"Speech Volume", "100"},
    {"Fade", "1"},
    {"Particles", "80"},
    {"Portal Splash", "0"},
    {"Portal Splash2", "0"},
    {"Intro", "0"},
    {"VSync", "1"},
    {"Driver", "0"},
    {"Sound Driver", "FreeAudio"},
    {"Full Screen Process Priority", "0"},
    {"Full Screen Thread Priority", "0"},
    {"Windowed Process Priority", "0"},
    {"Windowed Thread Priority", "0"},
    {"Profile Name", ""},
    {"Region", "0"},
    {"Sub-Region", "0"},
}};
