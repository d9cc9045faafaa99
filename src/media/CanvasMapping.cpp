// Where logical canvas pixels land: in the window (letterboxed, for the pointer) and in the
// drawable (device pixels, for drawing). The whole game, its scripts and its state dumps work
// in the 800x600 canvas; only this file and the recording of draws know the device's pixels.
#include <algorithm>
#include <cmath>

#include "media/MediaInternal.h"

namespace media {
namespace detail {

int ScaleForDrawable(int width, int height) {
    // Twice the detail once the drawable has room for it (a canvas pixel would otherwise cover
    // 1.5 or more device pixels, and stretched art goes soft); below that, as drawn at 1x.
    const bool roomy = width * 2 >= kCanvasWidth * 3 && height * 2 >= kCanvasHeight * 3;
    return roomy ? 2 : 1;
}

void DrawableSize(int& width, int& height) {
    const DisplayState& d = Display();
    width = kCanvasWidth;
    height = kCanvasHeight;
    if (!d.window) return;
    SDL_GetWindowSizeInPixels(d.window, &width, &height);
}

int CanvasScale() {
    return Display().scale;
}

SDL_Rect DeviceCanvas() {
    const int s = Display().scale;
    return {0, 0, kCanvasWidth * s, kCanvasHeight * s};
}

SDL_Rect ToDevice(const SDL_Rect& logical) {
    const int s = Display().scale;
    return {logical.x * s, logical.y * s, logical.w * s, logical.h * s};
}

SDL_FPoint ToDevice(SDL_FPoint logical) {
    const auto s = static_cast<float>(Display().scale);
    return {logical.x * s, logical.y * s};
}

SDL_FRect CanvasPlacement() {
    int w = kCanvasWidth, h = kCanvasHeight;
    if (Display().window) SDL_GetWindowSize(Display().window, &w, &h);
    const float scale =
        std::min(static_cast<float>(w) / kCanvasWidth, static_cast<float>(h) / kCanvasHeight);
    const float cw = kCanvasWidth * scale, ch = kCanvasHeight * scale;
    return {(w - cw) / 2.0f, (h - ch) / 2.0f, cw, ch};
}

void WindowToCanvas(int wx, int wy, int& x, int& y) {
    const SDL_FRect place = CanvasPlacement();
    x = y = 0;
    if (place.w < 1.0f || place.h < 1.0f) return;
    // From the middle of the window's pixel: with the canvas enlarged by a fraction, its corner
    // may sit just across a canvas pixel's edge.
    x = static_cast<int>(std::floor((wx + 0.5f - place.x) * kCanvasWidth / place.w));
    y = static_cast<int>(std::floor((wy + 0.5f - place.y) * kCanvasHeight / place.h));
}

void CanvasToWindow(int x, int y, int& wx, int& wy) {
    const SDL_FRect place = CanvasPlacement();
    // The middle of the canvas pixel, so mapping back lands on the same pixel at any size.
    wx = static_cast<int>(std::floor(place.x + (x + 0.5f) * place.w / kCanvasWidth));
    wy = static_cast<int>(std::floor(place.y + (y + 0.5f) * place.h / kCanvasHeight));
}

}  // namespace detail

int CanvasScale() {
    return detail::CanvasScale();
}

void SetWindowSize(int width, int height) {
    detail::Display().windowWidth = std::max(width, 0);
    detail::Display().windowHeight = std::max(height, 0);
}

}  // namespace media
