#include "media/KeyMap.h"

#include <SDL.h>

#include <array>
#include <utility>

namespace media {
namespace {

constexpr std::pair<SDL_Scancode, int> kFixed[] = {
    {SDL_SCANCODE_ESCAPE, 27},
    {SDL_SCANCODE_RETURN, 13},
    {SDL_SCANCODE_SPACE, 32},
    {SDL_SCANCODE_BACKSPACE, 8},
    {SDL_SCANCODE_TAB, 9},
    {SDL_SCANCODE_LEFT, 37},
    {SDL_SCANCODE_UP, 38},
    {SDL_SCANCODE_RIGHT, 39},
    {SDL_SCANCODE_DOWN, 40},
    {SDL_SCANCODE_LSHIFT, 160},
    {SDL_SCANCODE_RSHIFT, 161},
    {SDL_SCANCODE_LCTRL, 162},
    {SDL_SCANCODE_RCTRL, 163},
    {SDL_SCANCODE_LALT, 164},
    {SDL_SCANCODE_RALT, 165},
    {SDL_SCANCODE_LGUI, 91},
    {SDL_SCANCODE_RGUI, 92},
    {SDL_SCANCODE_APPLICATION, 93},
    {SDL_SCANCODE_MINUS, 189},
    {SDL_SCANCODE_EQUALS, 187},
    {SDL_SCANCODE_COMMA, 188},
    {SDL_SCANCODE_PERIOD, 190},
    {SDL_SCANCODE_SLASH, 191},
    {SDL_SCANCODE_GRAVE, 192},
    {SDL_SCANCODE_LEFTBRACKET, 219},
    {SDL_SCANCODE_BACKSLASH, 220},
    {SDL_SCANCODE_RIGHTBRACKET, 221},
    {SDL_SCANCODE_APOSTROPHE, 222},
    {SDL_SCANCODE_SEMICOLON, 186},
    {SDL_SCANCODE_NONUSBACKSLASH, 226},
    {SDL_SCANCODE_DELETE, 46},
    {SDL_SCANCODE_INSERT, 45},
    {SDL_SCANCODE_HOME, 36},
    {SDL_SCANCODE_END, 35},
    {SDL_SCANCODE_PAGEUP, 33},
    {SDL_SCANCODE_PAGEDOWN, 34},
    {SDL_SCANCODE_CAPSLOCK, 20},
    {SDL_SCANCODE_NUMLOCKCLEAR, 144},
    {SDL_SCANCODE_SCROLLLOCK, 145},
    {SDL_SCANCODE_PRINTSCREEN, 44},
    {SDL_SCANCODE_PAUSE, 19},
    {SDL_SCANCODE_KP_DIVIDE, 111},
    {SDL_SCANCODE_KP_MULTIPLY, 106},
    {SDL_SCANCODE_KP_MINUS, 109},
    {SDL_SCANCODE_KP_PLUS, 107},
    {SDL_SCANCODE_KP_ENTER, 13},
    {SDL_SCANCODE_KP_PERIOD, 110},
    {SDL_SCANCODE_KP_0, 96},
};

// The whole table, built once: scancode -> virtual key.
const std::array<int, SDL_NUM_SCANCODES>& Table() {
    static const std::array<int, SDL_NUM_SCANCODES> table = [] {
        std::array<int, SDL_NUM_SCANCODES> t{};
        for (int i = 0; i < 26; ++i) t[SDL_SCANCODE_A + i] = 'A' + i;
        // SDL numbers the digit row 1..9 then 0.
        for (int i = 0; i < 9; ++i) t[SDL_SCANCODE_1 + i] = '1' + i;
        t[SDL_SCANCODE_0] = '0';
        for (int i = 0; i < 12; ++i) t[SDL_SCANCODE_F1 + i] = 112 + i;
        for (int i = 0; i < 9; ++i) t[SDL_SCANCODE_KP_1 + i] = 97 + i;
        for (const auto& [scancode, key] : kFixed) t[scancode] = key;
        return t;
    }();
    return table;
}

}  // namespace

int VirtualKeyFromScancode(int scancode) {
    if (scancode <= 0 || scancode >= SDL_NUM_SCANCODES) return 0;
    const int key = Table()[static_cast<size_t>(scancode)];
    return key > 0 && key <= 255 ? key : 0;
}

}  // namespace media
