// A turned picture drawn straight into the software renderer's canvas. SDL's software renderer
// fills a turned quad as two textured triangles at tens of nanoseconds a pixel, so the title's
// turning ring alone cost most of a frame; here the quad is walked once with fixed-point
// stepping and only the rows' spans that can hold the picture are visited.
//
// Every pixel is a function of its own position and the command alone (integer stepping from a
// fixed origin), so a draw clipped to a damaged rectangle leaves exactly the pixels a whole
// draw leaves there.
#include "media/TurnedQuad.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "media/ImageData.h"
#include "media/MediaInternal.h"

namespace media::detail {

namespace {

constexpr int kFraction = 16;
constexpr double kOne = 1 << kFraction;
// A pixel spread over four 16-bit lanes (blue, red, green, alpha), so one multiply weighs all
// four channels: 255 times a weight of at most 256 still fits a lane.
constexpr std::uint64_t kLanes = 0x00FF00FF00FF00FFull;

std::uint64_t Spread(std::uint32_t p) {
    return (p & 0x00FF00FFu) | (static_cast<std::uint64_t>((p >> 8) & 0x00FF00FFu) << 32);
}

std::uint32_t Gather(std::uint64_t lanes) {
    return static_cast<std::uint32_t>(lanes & 0x00FF00FFu) |
           (static_cast<std::uint32_t>((lanes >> 32) & 0x00FF00FFu) << 8);
}

// a + (b - a) * f / 256, lane by lane.
std::uint64_t Mix(std::uint64_t a, std::uint64_t b, std::uint32_t f) {
    return ((a * (256 - f) + b * f) >> 8) & kLanes;
}

// Each channel scaled by its own factor out of 256; a grey tint (the usual shadow or fade) in
// two multiplies.
std::uint64_t Tint(std::uint64_t lanes, std::uint32_t blue, std::uint32_t red, std::uint32_t green,
                   std::uint32_t alpha) {
    constexpr std::uint64_t kColour = 0x0000FFFFFFFFFFFFull;
    const std::uint64_t a = (((lanes >> 48) * alpha) >> 8) << 48;
    if (blue == red && red == green) return ((((lanes & kColour) * red) >> 8) & kLanes) | a;
    const auto lane = [lanes](int i, std::uint32_t factor) {
        return ((((lanes >> (16 * i)) & 0xFF) * factor) >> 8) << (16 * i);
    };
    return lane(0, blue) | lane(1, red) | lane(2, green) | a;
}

std::uint32_t Premultiply(std::uint32_t p) {
    const std::uint32_t a = p >> 24;
    const auto channel = [a](std::uint32_t c) { return (c * a + 127) / 255; };
    return (a << 24) | (channel((p >> 16) & 0xFF) << 16) | (channel((p >> 8) & 0xFF) << 8) |
           channel(p & 0xFF);
}

bool Near(float a, float b) {
    return std::fabs(a - b) <= 1e-3f * std::max(1.0f, std::max(std::fabs(a), std::fabs(b)));
}

bool SameColour(const SDL_Color& a, const SDL_Color& b) {
    return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a;
}

// The frame's premultiplied, edge-repeated pixels, made again after an edit; null when the
// pixels cannot be had.
const std::uint32_t* TurnedPixels(ImageData& image, FrameData& frame) {
    if (!frame.turned.empty() && frame.turnedVersion == frame.version) return frame.turned.data();
    if (frame.pixmap.pixels.empty() && !RestorePixels(image, true)) return nullptr;
    const Pixmap& source = frame.pixmap;
    if (source.pixels.empty() || source.width <= 0 || source.height <= 0) return nullptr;
    const int pitch = source.width + 2;
    frame.turned.resize(static_cast<size_t>(pitch) * (source.height + 2));
    for (int y = -1; y <= source.height; ++y) {
        const int sy = std::clamp(y, 0, source.height - 1);
        std::uint32_t* row = &frame.turned[static_cast<size_t>(y + 1) * pitch];
        for (int x = -1; x <= source.width; ++x)
            row[x + 1] = Premultiply(source.At(std::clamp(x, 0, source.width - 1), sy));
    }
    frame.turnedVersion = frame.version;
    MeasureContent(frame);
    // Decoded again only for this: a picture always drawn turned needs no texture at all.
    if (!image.keepPixels) std::vector<std::uint32_t>().swap(frame.pixmap.pixels);
    return frame.turned.data();
}

// The columns of a row where a source coordinate, stepping by `step` a pixel from `start` at
// column 0, may fall within [low, high); a pixel to spare each side, as the exact test follows.
bool Span(double start, double step, double low, double high, double& from, double& to) {
    if (std::fabs(step) < 1e-9) return start >= low - 1 && start < high + 1;
    double a = (low - 1 - start) / step, b = (high + 1 - start) / step;
    if (a > b) std::swap(a, b);
    from = std::max(from, a);
    to = std::min(to, b);
    return from <= to;
}

}  // namespace

bool TakesQuad(const ImageData& image, int frame, const SDL_Vertex* v, int vertexCount,
               const int* indices, int indexCount) {
    static const int kQuad[6] = {0, 1, 2, 0, 2, 3};
    if (vertexCount != 4 || indexCount != 6 || !std::equal(indices, indices + 6, kQuad) ||
        frame < 0 || frame >= static_cast<int>(image.frames.size()) || image.width <= 0 ||
        image.height <= 0)
        return false;
    for (int i = 1; i < 4; ++i)
        if (!SameColour(v[i].color, v[0].color)) return false;
    // A parallelogram in both position and texture, so one affine map takes the canvas to the
    // picture.
    const SDL_FPoint &c0 = v[0].position, &c1 = v[1].position, &c2 = v[2].position,
                     &c3 = v[3].position;
    const SDL_FPoint &t0 = v[0].tex_coord, &t1 = v[1].tex_coord, &t2 = v[2].tex_coord,
                     &t3 = v[3].tex_coord;
    if (!Near(c2.x, c1.x + c3.x - c0.x) || !Near(c2.y, c1.y + c3.y - c0.y) ||
        !Near(t2.x, t1.x + t3.x - t0.x) || !Near(t2.y, t1.y + t3.y - t0.y))
        return false;
    const float e1x = c1.x - c0.x, e1y = c1.y - c0.y, e2x = c3.x - c0.x, e2y = c3.y - c0.y;
    const double det = static_cast<double>(e1x) * e2y - static_cast<double>(e1y) * e2x;
    if (!std::isfinite(det) || std::fabs(det) < 1e-6) return false;
    if (e1y != 0 || e2x != 0 || t1.y != t0.y || t3.x != t0.x) return true;
    // Upright at the picture's own size is a plain copy, which SDL does quickly and rounds to
    // whole pixels as it always has; stretched, it is ours.
    return !Near(e1x, (t1.x - t0.x) * image.width) || !Near(e2y, (t3.y - t0.y) * image.height);
}

bool DrawTurnedQuad(SDL_Surface* canvas, ImageData& image, int frame, const SDL_Vertex* v,
                    int vertexCount, const int* indices, int indexCount, const SDL_Rect& clip) {
    if (!canvas || canvas->format->format != SDL_PIXELFORMAT_ARGB8888 ||
        !TakesQuad(image, frame, v, vertexCount, indices, indexCount))
        return false;
    const SDL_FPoint &c0 = v[0].position, &c1 = v[1].position, &c3 = v[3].position;
    const SDL_FPoint &t0 = v[0].tex_coord, &t1 = v[1].tex_coord, &t3 = v[3].tex_coord;
    const double e1x = c1.x - c0.x, e1y = c1.y - c0.y, e2x = c3.x - c0.x, e2y = c3.y - c0.y;
    const double det = e1x * e2y - e1y * e2x;
    FrameData& frameData = image.frames[static_cast<size_t>(frame)];
    const std::uint32_t* pixels = TurnedPixels(image, frameData);
    if (!pixels) return false;
    const int width = frameData.pixmap.width > 0 ? frameData.pixmap.width : image.width;
    const int height = frameData.pixmap.height > 0 ? frameData.pixmap.height : image.height;
    const int pitch = width + 2;
    if (frameData.turned.size() != static_cast<size_t>(pitch) * (height + 2)) return false;
    // Past the repeated edge row and column, so texel (-1, -1) is still inside.
    pixels += pitch + 1;
    const bool linear = image.linear;
    // Texel coordinates at a canvas point p: s = S + A * (p - c0) in each axis.
    const double w = width, h = height;
    const double dsA = (t1.x - t0.x) * w, dsB = (t3.x - t0.x) * w;
    const double dtA = (t1.y - t0.y) * h, dtB = (t3.y - t0.y) * h;
    // (a, b) of p in the edge basis: a = (dx*e2y - dy*e2x)/det, b = (e1x*dy - e1y*dx)/det.
    const double dsdx = (dsA * e2y - dsB * e1y) / det, dsdy = (-dsA * e2x + dsB * e1x) / det;
    const double dtdx = (dtA * e2y - dtB * e1y) / det, dtdy = (-dtA * e2x + dtB * e1x) / det;
    const double s00 = t0.x * w + dsdx * (0.5 - c0.x) + dsdy * (0.5 - c0.y);
    const double t00 = t0.y * h + dtdx * (0.5 - c0.x) + dtdy * (0.5 - c0.y);
    if (!std::isfinite(s00 + t00 + dsdx + dsdy + dtdx + dtdy) || std::fabs(s00) > 1e8 ||
        std::fabs(t00) > 1e8)
        return false;
    // The part of the picture the quad shows, in whole texels.
    const int sLow = std::clamp(static_cast<int>(std::lround(std::min(t0.x, t1.x) * w)), 0, width);
    const int sHigh = std::clamp(static_cast<int>(std::lround(std::max(t0.x, t1.x) * w)), 0, width);
    const int tLow = std::clamp(static_cast<int>(std::lround(std::min(t0.y, t3.y) * h)), 0, height);
    const int tHigh =
        std::clamp(static_cast<int>(std::lround(std::max(t0.y, t3.y) * h)), 0, height);
    if (sLow >= sHigh || tLow >= tHigh) return true;

    SDL_Rect area{0, 0, canvas->w, canvas->h};
    if (!SDL_IntersectRect(&clip, &area, &area)) return true;
    // Whatever SDL still holds back must land first, to keep the drawing order.
    SDL_RenderFlush(Display().renderer);
    if (SDL_MUSTLOCK(canvas) && SDL_LockSurface(canvas) != 0) return false;

    const auto fixed = [](double value) {
        return static_cast<std::int64_t>(std::llround(value * kOne));
    };
    const std::int64_t S00 = fixed(s00), T00 = fixed(t00);
    const std::int64_t DSX = fixed(dsdx), DSY = fixed(dsdy), DTX = fixed(dtdx), DTY = fixed(dtdy);
    const std::int64_t sMin = std::int64_t{sLow} << kFraction,
                       sMax = std::int64_t{sHigh} << kFraction;
    const std::int64_t tMin = std::int64_t{tLow} << kFraction,
                       tMax = std::int64_t{tHigh} << kFraction;
    const std::int64_t half = std::int64_t{1} << (kFraction - 1);
    const SDL_Color tint = v[0].color;
    const bool tinted = tint.r != 255 || tint.g != 255 || tint.b != 255 || tint.a != 255;
    // Vertex colour and alpha as factors out of 256 on the premultiplied channels.
    const auto factor = [](std::uint32_t c) { return c + (c >> 7); };
    const std::uint32_t alpha = factor(tint.a);
    const std::uint32_t redAlpha = factor(tint.r) * alpha >> 8;
    const std::uint32_t greenAlpha = factor(tint.g) * alpha >> 8;
    const std::uint32_t blueAlpha = factor(tint.b) * alpha >> 8;

    auto* base = static_cast<std::uint8_t*>(canvas->pixels);
    for (int y = area.y; y < area.y + area.h; ++y) {
        double from = area.x, to = area.x + area.w - 1;
        const double sRow = s00 + dsdy * y, tRow = t00 + dtdy * y;
        if (!Span(sRow, dsdx, sLow, sHigh, from, to) || !Span(tRow, dtdx, tLow, tHigh, from, to))
            continue;
        const int first = std::max(area.x, static_cast<int>(std::floor(from)) - 1);
        const int last = std::min(area.x + area.w - 1, static_cast<int>(std::ceil(to)) + 1);
        auto* row = reinterpret_cast<std::uint32_t*>(base + static_cast<size_t>(y) * canvas->pitch);
        std::int64_t s = S00 + DSX * first + DSY * y;
        std::int64_t t = T00 + DTX * first + DTY * y;
        for (int x = first; x <= last; ++x, s += DSX, t += DTX) {
            if (s < sMin || s >= sMax || t < tMin || t >= tMax) continue;
            std::uint64_t src;
            if (linear) {
                const std::int64_t sc = s - half, tc = t - half;
                const std::uint32_t* p = pixels + (tc >> kFraction) * pitch + (sc >> kFraction);
                const std::uint32_t p00 = p[0], p10 = p[1], p01 = p[pitch], p11 = p[pitch + 1];
                if ((p00 | p10 | p01 | p11) == 0) continue;
                const auto fx = static_cast<std::uint32_t>((sc >> (kFraction - 8)) & 0xFF);
                const auto fy = static_cast<std::uint32_t>((tc >> (kFraction - 8)) & 0xFF);
                src = Mix(Mix(Spread(p00), Spread(p10), fx), Mix(Spread(p01), Spread(p11), fx), fy);
            } else {
                const std::uint32_t p = pixels[(t >> kFraction) * pitch + (s >> kFraction)];
                if (p == 0) continue;
                src = Spread(p);
            }
            if (tinted) src = Tint(src, blueAlpha, redAlpha, greenAlpha, alpha);
            const std::uint32_t a = static_cast<std::uint32_t>(src >> 48);
            if (a == 0) continue;
            const std::uint32_t keep = 256 - (a + (a >> 7));
            row[x] = Gather(src + (((Spread(row[x]) * keep) >> 8) & kLanes));
        }
    }
    if (SDL_MUSTLOCK(canvas)) SDL_UnlockSurface(canvas);
    return true;
}

}  // namespace media::detail
