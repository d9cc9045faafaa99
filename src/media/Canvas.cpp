// The canvas state and the shapes drawn with it.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "media/MediaInternal.h"

namespace media {
namespace detail {

CanvasState& Canvas() {
    static CanvasState state;
    return state;
}

SDL_FPoint Place(float localX, float localY, float x, float y, bool scaled) {
    const CanvasState& c = Canvas();
    if (scaled) {
        localX *= c.scaleX;
        localY *= c.scaleY;
    }
    float rx = localX, ry = localY;
    if (c.rotation != 0.0f) {
        const float radians = c.rotation * std::numbers::pi_v<float> / 180.0f;
        const float cs = std::cos(radians), sn = std::sin(radians);
        rx = localX * cs - localY * sn;
        ry = localX * sn + localY * cs;
    }
    return {x + c.originX + rx, y + c.originY + ry};
}

bool CurrentVertexColour(SDL_Color& colour) {
    const CanvasState& c = Canvas();
    float alpha = std::clamp(c.alpha, 0.0f, 1.0f);
    if (c.blend == MASKBLEND) {
        if (alpha < 0.5f) return false;
        alpha = 1.0f;
    }
    colour = {static_cast<Uint8>(c.r), static_cast<Uint8>(c.g), static_cast<Uint8>(c.b),
              static_cast<Uint8>(std::lround(alpha * 255.0f))};
    return true;
}

SDL_BlendMode SdlBlend(int mode) {
    switch (mode) {
        case SOLIDBLEND:
            return SDL_BLENDMODE_NONE;
        case LIGHTBLEND:
            return SDL_BLENDMODE_ADD;
        case SHADEBLEND:
            return SDL_BLENDMODE_MOD;
        default:
            return SDL_BLENDMODE_BLEND;
    }
}

}  // namespace detail

using detail::Canvas;
using detail::CanvasState;
using detail::Display;

namespace {

// Fills a convex outline given in local coordinates (relative to the point drawn at).
void FillShape(const std::vector<SDL_FPoint>& outline, float x, float y) {
    SDL_Renderer* renderer = Display().renderer;
    SDL_Color colour;
    if (!renderer || outline.size() < 3 || !detail::CurrentVertexColour(colour)) return;
    std::vector<SDL_Vertex> vertices;
    vertices.reserve(outline.size());
    const CanvasState& c = Canvas();
    for (const SDL_FPoint& p : outline) {
        vertices.push_back({detail::Place(p.x, p.y, x, y), colour, {0, 0}});
    }
    std::vector<int> indices;
    for (size_t i = 1; i + 1 < outline.size(); ++i) {
        indices.insert(indices.end(), {0, static_cast<int>(i), static_cast<int>(i + 1)});
    }
    Display().damage.Geometry({}, 0, false, detail::SdlBlend(c.blend), c.viewport, vertices.data(),
                              static_cast<int>(vertices.size()), indices.data(),
                              static_cast<int>(indices.size()));
}

}  // namespace

void Cls() {
    if (!Display().renderer) return;
    const CanvasState& c = Canvas();
    Display().damage.Clear(
        {static_cast<Uint8>(c.clsR), static_cast<Uint8>(c.clsG), static_cast<Uint8>(c.clsB), 255});
}

void SetClsColor(int r, int g, int b) {
    CanvasState& c = Canvas();
    c.clsR = std::clamp(r, 0, 255);
    c.clsG = std::clamp(g, 0, 255);
    c.clsB = std::clamp(b, 0, 255);
}

void SetColor(int r, int g, int b) {
    CanvasState& c = Canvas();
    c.r = std::clamp(r, 0, 255);
    c.g = std::clamp(g, 0, 255);
    c.b = std::clamp(b, 0, 255);
}

void GetColor(int& r, int& g, int& b) {
    r = Canvas().r;
    g = Canvas().g;
    b = Canvas().b;
}

void SetAlpha(float alpha) {
    Canvas().alpha = std::clamp(alpha, 0.0f, 1.0f);
}
float GetAlpha() {
    return Canvas().alpha;
}

void SetBlend(int mode) {
    if (mode >= MASKBLEND && mode <= SHADEBLEND) Canvas().blend = mode;
}
int GetBlend() {
    return Canvas().blend;
}

void SetDrawRotation(float degrees) {
    Canvas().rotation = degrees;
}
float GetDrawRotation() {
    return Canvas().rotation;
}

void SetDrawScale(float sx, float sy) {
    Canvas().scaleX = sx;
    Canvas().scaleY = sy;
}

void GetDrawScale(float& sx, float& sy) {
    sx = Canvas().scaleX;
    sy = Canvas().scaleY;
}

void SetDrawOrigin(float x, float y) {
    Canvas().originX = x;
    Canvas().originY = y;
}

void SetViewport(int x, int y, int w, int h) {
    Canvas().viewport = {x, y, std::max(w, 0), std::max(h, 0)};
}

void GetViewport(int& x, int& y, int& w, int& h) {
    const SDL_Rect& v = Canvas().viewport;
    x = v.x;
    y = v.y;
    w = v.w;
    h = v.h;
}

void Plot(float x, float y) {
    const SDL_FPoint p = {x + Canvas().originX, y + Canvas().originY};
    SDL_Renderer* renderer = Display().renderer;
    SDL_Color colour;
    if (!renderer || !detail::CurrentVertexColour(colour)) return;
    Display().damage.Point(colour, detail::SdlBlend(Canvas().blend), Canvas().viewport,
                           {std::floor(p.x), std::floor(p.y)});
}

void DrawLine(float x1, float y1, float x2, float y2) {
    SDL_Renderer* renderer = Display().renderer;
    SDL_Color colour;
    if (!renderer || !detail::CurrentVertexColour(colour)) return;
    const CanvasState& c = Canvas();
    // The line turns and scales about its start point.
    const SDL_FPoint a = detail::Place(0, 0, x1, y1);
    const SDL_FPoint b = detail::Place(x2 - x1, y2 - y1, x1, y1);
    Display().damage.Line(colour, detail::SdlBlend(c.blend), c.viewport, a, b);
}

void DrawRect(float x, float y, float w, float h) {
    FillShape({{0, 0}, {w, 0}, {w, h}, {0, h}}, x, y);
}

namespace {

// The canvas's device pixels in `area` (device pixels, inside the canvas), as drawn so far.
bool ReadDevicePixels(const SDL_Rect& area, std::vector<std::uint32_t>& out) {
    SDL_Renderer* renderer = Display().renderer;
    if (!renderer) return false;
    // The read must see this frame's drawing so far, not the last frame's.
    Display().damage.Flush();
    out.assign(static_cast<size_t>(area.w) * area.h, 0);
    return SDL_RenderReadPixels(renderer, &area, SDL_PIXELFORMAT_ARGB8888, out.data(),
                                area.w * 4) == 0;
}

}  // namespace

Pixmap GrabPixmap(int x, int y, int w, int h) {
    Pixmap pixmap;
    SDL_Rect area{x, y, w, h};
    const SDL_Rect whole{0, 0, detail::kCanvasWidth, detail::kCanvasHeight};
    if (w <= 0 || h <= 0) return pixmap;
    pixmap.width = pixmap.pitch = w;
    pixmap.height = h;
    pixmap.pixels.assign(static_cast<size_t>(w) * h, 0xFF000000u);
    SDL_Rect inside;
    std::vector<std::uint32_t> part;
    if (!SDL_IntersectRect(&area, &whole, &inside) ||
        !ReadDevicePixels(detail::ToDevice(inside), part))
        return pixmap;
    const int s = detail::CanvasScale();
    const int pitch = inside.w * s;
    for (int row = 0; row < inside.h; ++row) {
        for (int col = 0; col < inside.w; ++col) {
            // The average of the device pixels that make up the canvas pixel.
            std::uint32_t sum[3] = {0, 0, 0};
            for (int dy = 0; dy < s; ++dy) {
                for (int dx = 0; dx < s; ++dx) {
                    const std::uint32_t p =
                        part[static_cast<size_t>(row * s + dy) * pitch + col * s + dx];
                    sum[0] += (p >> 16) & 0xFF;
                    sum[1] += (p >> 8) & 0xFF;
                    sum[2] += p & 0xFF;
                }
            }
            const auto n = static_cast<std::uint32_t>(s * s);
            pixmap.At(inside.x - x + col, inside.y - y + row) =
                0xFF000000u | ((sum[0] + n / 2) / n) << 16 | ((sum[1] + n / 2) / n) << 8 |
                ((sum[2] + n / 2) / n);
        }
    }
    return pixmap;
}

Pixmap GrabFrame() {
    Pixmap pixmap;
    const SDL_Rect whole = detail::DeviceCanvas();
    std::vector<std::uint32_t> pixels;
    if (!ReadDevicePixels(whole, pixels)) return pixmap;
    for (std::uint32_t& p : pixels) p |= 0xFF000000u;
    pixmap.width = pixmap.pitch = whole.w;
    pixmap.height = whole.h;
    pixmap.pixels = std::move(pixels);
    return pixmap;
}

}  // namespace media
