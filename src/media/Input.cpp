// Polled keyboard and mouse state, kept from the translated events while switched on.
#include <algorithm>
#include <array>
#include <cmath>
#include <deque>
#include <utility>

#include "media/MediaInternal.h"

namespace media {
namespace {

struct PolledState {
    bool on = false;
    std::array<int, 256> keyHits{};
    std::array<bool, 256> keysDown{};
    std::deque<int> characters;
    std::array<int, 4> mouseHits{};
    int mouseX = 0, mouseY = 0;
};

PolledState& Polled() {
    static PolledState state;
    return state;
}

bool ValidKey(int key) {
    return key >= 0 && key < 256;
}
bool ValidButton(int button) {
    return button >= 1 && button <= 3;
}

// Reading polled input first takes in whatever the system has queued.
void Pump() {
    if (Polled().on) DrainInputEvents();
}

}  // namespace

namespace detail {

void FeedPolledInput(const Event& event) {
    PolledState& s = Polled();
    if (!s.on) return;
    switch (event.kind) {
        case EventKind::KeyDown:
            if (ValidKey(event.data)) {
                ++s.keyHits[static_cast<size_t>(event.data)];
                s.keysDown[static_cast<size_t>(event.data)] = true;
            }
            break;
        case EventKind::KeyUp:
            if (ValidKey(event.data)) s.keysDown[static_cast<size_t>(event.data)] = false;
            break;
        case EventKind::KeyChar:
            if (s.characters.size() < 256) s.characters.push_back(event.data);
            break;
        case EventKind::MouseDown:
            if (ValidButton(event.data)) ++s.mouseHits[static_cast<size_t>(event.data)];
            break;
        default:
            break;
    }
}

void SetMousePosition(int x, int y) {
    Polled().mouseX = x;
    Polled().mouseY = y;
}

void MousePosition(int& x, int& y) {
    x = Polled().mouseX;
    y = Polled().mouseY;
}

}  // namespace detail

void SetPolledInput(bool on) {
    Polled().on = on;
}

int KeyHit(int key) {
    Pump();
    if (!ValidKey(key)) return 0;
    return std::exchange(Polled().keyHits[static_cast<size_t>(key)], 0);
}

bool KeyDown(int key) {
    Pump();
    return ValidKey(key) && Polled().keysDown[static_cast<size_t>(key)];
}

int GetChar() {
    Pump();
    PolledState& s = Polled();
    if (s.characters.empty()) return 0;
    const int c = s.characters.front();
    s.characters.pop_front();
    return c;
}

void FlushKeys() {
    Pump();
    PolledState& s = Polled();
    s.keyHits.fill(0);
    s.keysDown.fill(false);
    s.characters.clear();
}

int MouseHit(int button) {
    Pump();
    if (!ValidButton(button)) return 0;
    return std::exchange(Polled().mouseHits[static_cast<size_t>(button)], 0);
}

void FlushMouse() {
    Pump();
    Polled().mouseHits.fill(0);
}

void MoveMouse(int x, int y) {
    detail::SetMousePosition(x, y);
    SDL_Window* window = detail::Display().window;
    if (!window || detail::Display().headless) return;
    int wx = 0, wy = 0;
    detail::CanvasToWindow(x, y, wx, wy);
    SDL_WarpMouseInWindow(window, wx, wy);
}

void SetMouseVisible(bool visible) {
    if (detail::Display().initialised) SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}

}  // namespace media
