// Pictures drawn straight into the software renderer's canvas. SDL's software renderer fills a
// turned quad as two textured triangles at tens of nanoseconds a pixel (the title's turning ring
// alone cost most of a frame), and tints or adds pictures one channel at a time; here the quad
// is walked once with fixed-point stepping, four channels to a multiply, and only the rows'
// spans that can hold the picture are visited. Upright pictures are drawn here too, so that a
// picture keeps one copy of its pixels (the edge-padded one) rather than a texture as well.
//
// Every pixel is a function of its own position and the command alone (integer stepping from a
// fixed origin), so a draw clipped to a damaged rectangle leaves exactly the pixels a whole
// draw leaves there.
#include "media/CanvasQuad.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>

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

// The colours times alpha, rounded as (c * a + 127) / 255, all three lanes in one multiply: for
// y up to 255 * 255 + 127, y / 255 rounded down is (y + 1 + y / 256) / 256.
std::uint64_t Premultiplied(std::uint32_t p) {
    const std::uint32_t a = p >> 24;
    const std::uint64_t lanes = Spread(p);
    if (a == 0xFF) return lanes;
    constexpr std::uint64_t kColour = 0x0000FFFFFFFFFFFFull;
    const std::uint64_t y = (lanes & kColour) * a + 0x0000007F007F007Full;
    return ((((y + 0x0000000100010001ull + ((y >> 8) & kLanes)) >> 8) & kLanes) & kColour) |
           (std::uint64_t{a} << 48);
}

bool Near(float a, float b) {
    return std::fabs(a - b) <= 1e-3f * std::max(1.0f, std::max(std::fabs(a), std::fabs(b)));
}

bool SameColour(const SDL_Color& a, const SDL_Color& b) {
    return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a;
}

bool SeeThroughRow(const Pixmap& pixmap, int y) {
    const std::uint32_t* row = pixmap.pixels.data() + static_cast<size_t>(y) * pixmap.pitch;
    std::uint32_t alpha = 0;
    for (int x = 0; x < pixmap.width; ++x) alpha |= row[x];
    return (alpha >> 24) == 0;
}

// The frame's pixels with the edge repeated all round (so a bilinear sample never reads past
// them), made again after an edit; null when the pixels cannot be had. On the software renderer
// this is the only copy a picture drawn here keeps: it is let go of its pixmap and texture.
const std::uint32_t* PaddedPixels(ImageData& image, FrameData& frame) {
    if (!frame.padded.empty() && frame.paddedVersion == frame.version) return frame.padded.data();
    if (frame.pixmap.pixels.empty() && !RestorePixels(image, true)) return nullptr;
    const Pixmap& source = frame.pixmap;
    if (source.pixels.empty() || source.width <= 0 || source.height <= 0) return nullptr;
    const int width = source.width, pitch = width + 2;
    // Rows under the last visible one are see-through to the bottom (a font sheet's unused
    // part): one of them is kept, as the edge a bilinear sample reads, and the rest are not.
    int last = source.height - 1;
    while (last >= 0 && SeeThroughRow(source, last)) --last;
    const int rows = std::min(source.height, last + 2);
    frame.paddedRows = rows;
    frame.padded.resize(static_cast<size_t>(pitch) * (rows + 2));
    for (int y = -1; y <= rows; ++y) {
        const std::uint32_t* from =
            source.pixels.data() + static_cast<size_t>(std::clamp(y, 0, rows - 1)) * source.pitch;
        std::uint32_t* row = &frame.padded[static_cast<size_t>(y + 1) * pitch];
        row[0] = from[0];
        std::copy(from, from + width, row + 1);
        row[width + 1] = from[width - 1];
    }
    frame.paddedVersion = frame.version;
    MeasureContent(frame);
    ReleaseTextures(frame);
    if (!image.keepPixels) std::vector<std::uint32_t>().swap(frame.pixmap.pixels);
    return frame.padded.data();
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

// Alpha-blends or adds a premultiplied source onto a canvas pixel (SDL's BLEND and ADD).
std::uint32_t Put(std::uint32_t dst, std::uint64_t src, bool add) {
    const std::uint64_t under = Spread(dst);
    if (add) {
        constexpr std::uint64_t kCarry = 0x0100010001000100ull;
        std::uint64_t sum = (under & 0x0000FFFFFFFFFFFFull) + (src & 0x0000FFFFFFFFFFFFull);
        sum |= ((sum & kCarry) >> 8) * 0xFF;  // each colour held at 255
        return Gather((sum & 0x000000FF00FF00FFull) | (under & 0x00FF000000000000ull));
    }
    const auto a = static_cast<std::uint32_t>(src >> 48);
    const std::uint32_t keep = 256 - (a + (a >> 7));
    return Gather(src + (((under * keep) >> 8) & kLanes));
}

enum class Shape { None, Upright, Turned };

// Upright at the picture's own size on whole pixels is a straight walk along the rows; turned or
// slanted is the general walk. SDL keeps an upright stretch, which it scales in one pass before
// blending, and an upright copy at fractional pixels, which it rounds: pictures drawn so make a
// texture as well.
Shape ShapeOf(const ImageData& image, int frame, const SDL_Vertex* v, int vertexCount,
              const int* indices, int indexCount, SDL_BlendMode blend) {
    static const int kQuad[6] = {0, 1, 2, 0, 2, 3};
    if ((blend != SDL_BLENDMODE_BLEND && blend != SDL_BLENDMODE_ADD) || vertexCount != 4 ||
        indexCount != 6 || !std::equal(indices, indices + 6, kQuad) || frame < 0 ||
        frame >= static_cast<int>(image.frames.size()) || image.width <= 0 || image.height <= 0)
        return Shape::None;
    for (int i = 1; i < 4; ++i)
        if (!SameColour(v[i].color, v[0].color)) return Shape::None;
    // A parallelogram in both position and texture, so one affine map takes the canvas to the
    // picture.
    const SDL_FPoint &c0 = v[0].position, &c1 = v[1].position, &c2 = v[2].position,
                     &c3 = v[3].position;
    const SDL_FPoint &t0 = v[0].tex_coord, &t1 = v[1].tex_coord, &t2 = v[2].tex_coord,
                     &t3 = v[3].tex_coord;
    if (!Near(c2.x, c1.x + c3.x - c0.x) || !Near(c2.y, c1.y + c3.y - c0.y) ||
        !Near(t2.x, t1.x + t3.x - t0.x) || !Near(t2.y, t1.y + t3.y - t0.y))
        return Shape::None;
    const float e1x = c1.x - c0.x, e1y = c1.y - c0.y, e2x = c3.x - c0.x, e2y = c3.y - c0.y;
    const double det = static_cast<double>(e1x) * e2y - static_cast<double>(e1y) * e2x;
    if (!std::isfinite(det) || std::fabs(det) < 1e-6) return Shape::None;
    if (e1y != 0 || e2x != 0 || t1.y != t0.y || t3.x != t0.x) return Shape::Turned;
    // Drawn at its own size: a device pixel a texel.
    const FrameData& data = image.frames[static_cast<size_t>(frame)];
    const auto w = static_cast<float>(data.pixmap.width);
    const auto h = static_cast<float>(data.pixmap.height);
    if (e1x != (t1.x - t0.x) * w || e2y != (t3.y - t0.y) * h || e1x <= 0 || e2y <= 0)
        return Shape::None;
    const auto whole = [](float f) { return std::floor(f) == f && std::fabs(f) < 1e6f; };
    if (!whole(c0.x) || !whole(c0.y) || !whole(t0.x * w) || !whole(t0.y * h)) return Shape::None;
    return Shape::Upright;
}

// The vertex colour and alpha as factors out of 256 on the premultiplied channels.
struct Tinting {
    bool on = false;
    std::uint32_t blue = 256, red = 256, green = 256, alpha = 256;
    explicit Tinting(const SDL_Color& c)
        : on(c.r != 255 || c.g != 255 || c.b != 255 || c.a != 255),
          blue(Factor(c.b) * Factor(c.a) >> 8),
          red(Factor(c.r) * Factor(c.a) >> 8),
          green(Factor(c.g) * Factor(c.a) >> 8),
          alpha(Factor(c.a)) {}
    std::uint64_t operator()(std::uint64_t lanes) const {
        return on ? Tint(lanes, blue, red, green, alpha) : lanes;
    }
    static std::uint32_t Factor(std::uint32_t c) { return c + (c >> 7); }
};

// A frame's padded pixels (from texel (0, 0)) and what they cover: `rows` of the `height` are
// kept, and those past them are see-through.
struct Texels {
    const std::uint32_t* pixels;
    int pitch, width, height, rows;
};

std::uint32_t* Row(SDL_Surface* canvas, int y) {
    return reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(canvas->pixels) +
                                            static_cast<size_t>(y) * canvas->pitch);
}

// Four pixels in a vector register (GCC's vector types, so any target gets its own SIMD): two
// channels to a 32-bit lane, each channel in a 16-bit half of it, so a 16-bit multiply weighs
// both at once and nothing carries from one into the other (255 times at most 256 fits).
using Pixels4 = std::uint32_t __attribute__((vector_size(16)));
using Halves8 = std::uint16_t __attribute__((vector_size(16)));

[[gnu::always_inline]] inline Pixels4 Load4(const std::uint32_t* p) {
    Pixels4 v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

[[gnu::always_inline]] inline void Store4(std::uint32_t* p, Pixels4 v) {
    std::memcpy(p, &v, sizeof v);
}

// Whether any lane is not zero.
[[gnu::always_inline]] inline bool Any(Pixels4 v) {
    return (v[0] | v[1] | v[2] | v[3]) != 0;
}

// (channels * factor) >> 8 in each 16-bit half; `factor` at most 256, the same in both halves.
[[gnu::always_inline]] inline Pixels4 Weigh(Pixels4 channels, Pixels4 factor) {
    return std::bit_cast<Pixels4>(
        static_cast<Halves8>(std::bit_cast<Halves8>(channels) * std::bit_cast<Halves8>(factor)) >>
        8);
}

// SDL's blend of an untinted picture, to its rounding, so a picture looks as it did when SDL drew
// it: each channel, alpha counted as full, (s * a >> 8) + (d * (255 - a) >> 8); a pixel of full
// alpha is copied and one of none leaves the canvas alone. Two channels to a multiply in 32
// bits: the tail of a row; Blend4 does the same four pixels at a time.
[[gnu::always_inline]] inline std::uint32_t Blend(std::uint32_t dst, std::uint32_t src) {
    const std::uint32_t a = src >> 24, keep = 255 - a, s = src | 0xFF000000u;
    const std::uint32_t low = ((((s & 0xFF00FFu) * a) >> 8) & 0xFF00FFu) +
                              ((((dst & 0xFF00FFu) * keep) >> 8) & 0xFF00FFu);
    const std::uint32_t high = (((((s >> 8) & 0xFF00FFu) * a) >> 8) & 0xFF00FFu) +
                               (((((dst >> 8) & 0xFF00FFu) * keep) >> 8) & 0xFF00FFu);
    return a == 255 ? src : a == 0 ? dst : low | high << 8;
}

[[gnu::always_inline]] inline Pixels4 Blend4(Pixels4 under, Pixels4 over) {
    const Pixels4 a = over >> 24, keep = 255 - a, s = over | 0xFF000000u;
    const Pixels4 weight = a | a << 16, rest = keep | keep << 16;
    const Pixels4 low = Weigh(s & 0xFF00FFu, weight) + Weigh(under & 0xFF00FFu, rest);
    const Pixels4 high =
        Weigh((s >> 8) & 0xFF00FFu, weight) + Weigh((under >> 8) & 0xFF00FFu, rest);
    return a == 255 ? over : a == 0 ? under : low | high << 8;
}

// Eight pixels at a time: a block with nothing visible is passed over, an opaque one copied.
void BlendRow(std::uint32_t* __restrict row, const std::uint32_t* __restrict source, int count) {
    constexpr int kBlock = 8;
    int i = 0;
    for (; i + kBlock <= count; i += kBlock) {
        const Pixels4 over0 = Load4(source + i), over1 = Load4(source + i + 4);
        if (!Any((over0 | over1) >> 24)) continue;
        if (!Any(~(over0 & over1) >> 24)) {
            Store4(row + i, over0);
            Store4(row + i + 4, over1);
            continue;
        }
        Store4(row + i, Blend4(Load4(row + i), over0));
        Store4(row + i + 4, Blend4(Load4(row + i + 4), over1));
    }
    for (; i < count; ++i) row[i] = Blend(row[i], source[i]);
}

// Put of a black source weighed by `alpha`, which keeps a pixel with no alpha as it is.
[[gnu::always_inline]] inline Pixels4 Shade4(Pixels4 under, Pixels4 a) {
    const Pixels4 keep = 256 - (a + (a >> 7)), both = keep | keep << 16;
    const Pixels4 low = Weigh(under & 0xFF00FFu, both);
    const Pixels4 high = Weigh((under >> 8) & 0xFF00FFu, both) + (a << 16);
    return low | high << 8;
}

// A black tint (a shadow) leaves only the picture's alpha to weigh the canvas with; eight pixels
// at a time, passing over blocks with nothing visible.
void ShadeRow(std::uint32_t* __restrict row, const std::uint32_t* __restrict source, int count,
              std::uint32_t alpha) {
    constexpr int kBlock = 8;
    const Pixels4 factor = Pixels4{} + alpha;
    int i = 0;
    for (; i + kBlock <= count; i += kBlock) {
        const Pixels4 a0 = Weigh(Load4(source + i) >> 24, factor);
        const Pixels4 a1 = Weigh(Load4(source + i + 4) >> 24, factor);
        if (!Any(a0 | a1)) continue;
        Store4(row + i, Shade4(Load4(row + i), a0));
        Store4(row + i + 4, Shade4(Load4(row + i + 4), a1));
    }
    for (; i < count; ++i) {
        const std::uint32_t a = ((source[i] >> 24) * alpha) >> 8;
        if (a != 0) row[i] = Put(row[i], std::uint64_t{a} << 48, false);
    }
}

// Premultiplied, tinted and put onto the canvas as Put does, four pixels at a time in 16-bit
// halves; every step is exact where Put's is (a pixel with no alpha left keeps the canvas).
[[gnu::always_inline]] inline Pixels4 Tint4(Pixels4 under, Pixels4 over, const Tinting& tint,
                                            bool add) {
    const Pixels4 a = over >> 24, both = a | a << 16;
    // (c * a + 127) / 255 rounded down, as Premultiplied; the alpha half keeps a itself.
    const auto premultiply = [both](Pixels4 pair) {
        const Halves8 y = std::bit_cast<Halves8>(pair) * std::bit_cast<Halves8>(both) + 0x7F;
        return std::bit_cast<Pixels4>(static_cast<Halves8>((y + 1 + (y >> 8)) >> 8));
    };
    const Pixels4 low =
        Weigh(premultiply(over & 0xFF00FFu), Pixels4{} + (tint.blue | tint.red << 16));
    const Pixels4 high = Weigh((premultiply((over >> 8) & 0xFFu) | a << 16),
                               Pixels4{} + (tint.green | tint.alpha << 16));
    if (add) {
        // Each colour held at 255; the canvas keeps its alpha.
        const auto held = [](Pixels4 sum) {
            const Halves8 h = std::bit_cast<Halves8>(sum);
            return std::bit_cast<Pixels4>(static_cast<Halves8>((h | (h >> 8) * 0xFF) & 0xFF));
        };
        const Pixels4 outLow = held(low + (under & 0xFF00FFu));
        const Pixels4 outHigh = held((high & 0xFFu) + ((under >> 8) & 0xFFu));
        return outLow | outHigh << 8 | (under & 0xFF000000u);
    }
    const Pixels4 shown = high >> 16, keep = 256 - (shown + (shown >> 7)), rest = keep | keep << 16;
    const Pixels4 outLow = (low + Weigh(under & 0xFF00FFu, rest)) & 0xFF00FFu;
    const Pixels4 outHigh = (high + Weigh((under >> 8) & 0xFF00FFu, rest)) & 0xFF00FFu;
    return outLow | outHigh << 8;
}

void TintRow(std::uint32_t* __restrict row, const std::uint32_t* __restrict source, int count,
             const Tinting& tint, bool add) {
    if (tint.blue == 0 && tint.red == 0 && tint.green == 0) {
        // Added, black adds nothing.
        if (!add) ShadeRow(row, source, count, tint.alpha);
        return;
    }
    constexpr int kBlock = 8;
    int i = 0;
    for (; i + kBlock <= count; i += kBlock) {
        const Pixels4 over0 = Load4(source + i), over1 = Load4(source + i + 4);
        if (!Any((over0 | over1) >> 24)) continue;
        Store4(row + i, Tint4(Load4(row + i), over0, tint, add));
        Store4(row + i + 4, Tint4(Load4(row + i + 4), over1, tint, add));
    }
    for (; i < count; ++i) {
        if ((source[i] >> 24) == 0) continue;
        const std::uint64_t src = tint(Premultiplied(source[i]));
        if ((src >> 48) == 0) continue;
        row[i] = Put(row[i], src, add);
    }
}

void DrawUpright(SDL_Surface* canvas, const Texels& texels, bool opaque, const SDL_Vertex* v,
                 const SDL_Rect& area, bool add) {
    const auto [pixels, pitch, width, height, rows] = texels;
    const int left = static_cast<int>(v[0].position.x), top = static_cast<int>(v[0].position.y);
    const int s0 = static_cast<int>(v[0].tex_coord.x * width);
    const int t0 = static_cast<int>(v[0].tex_coord.y * height);
    const int w = static_cast<int>(v[1].position.x) - left;
    const int h = static_cast<int>(v[3].position.y) - top;
    SDL_Rect rect{left, top, w, h};
    const SDL_Rect picture{left - s0, top - t0, width, rows};  // never past the frame's edge
    if (!SDL_IntersectRect(&rect, &area, &rect) || !SDL_IntersectRect(&rect, &picture, &rect))
        return;
    const Tinting tint(v[0].color);
    for (int y = rect.y; y < rect.y + rect.h; ++y) {
        std::uint32_t* row = Row(canvas, y) + rect.x;
        const std::uint32_t* source = pixels + (t0 + y - top) * pitch + (s0 + rect.x - left);
        if (tint.on || add)
            TintRow(row, source, rect.w, tint, add);
        else if (opaque)
            std::copy(source, source + rect.w, row);
        else
            BlendRow(row, source, rect.w);
    }
}

// Where along a row of pixels the texel point (s0 + ds x, t0 + dt x) lies within `radius` of
// (cx, cy); false when nowhere.
bool WithinCircle(double s0, double ds, double t0, double dt, double cx, double cy, double radius,
                  double& from, double& to) {
    const double u = s0 - cx, v = t0 - cy;
    const double a = ds * ds + dt * dt, b = 2 * (u * ds + v * dt),
                 c = u * u + v * v - radius * radius;
    const double disc = b * b - 4 * a * c;
    if (a <= 0 || disc < 0) return false;
    from = (-b - std::sqrt(disc)) / (2 * a);
    to = (-b + std::sqrt(disc)) / (2 * a);
    return true;
}

// `outer` and `hole` bound, in texels from the picture's centre, where its visible pixels are:
// a row is walked only across that ring, so a turned ring costs little more than its band.
void DrawTurned(SDL_Surface* canvas, const Texels& picture, bool linear, float outer, float hole,
                const SDL_Vertex* v, const SDL_Rect& area, bool add) {
    const auto [pixels, pitch, width, height, rows] = picture;
    const SDL_FPoint &c0 = v[0].position, &c1 = v[1].position, &c3 = v[3].position;
    const SDL_FPoint &t0 = v[0].tex_coord, &t1 = v[1].tex_coord, &t3 = v[3].tex_coord;
    const double e1x = c1.x - c0.x, e1y = c1.y - c0.y, e2x = c3.x - c0.x, e2y = c3.y - c0.y;
    const double det = e1x * e2y - e1y * e2x;
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
        return;
    // The part of the picture the quad shows, in whole texels.
    const auto texels = [](double a, double b, double size, int limit, int& low, int& high) {
        low = std::clamp(static_cast<int>(std::lround(std::min(a, b) * size)), 0, limit);
        high = std::clamp(static_cast<int>(std::lround(std::max(a, b) * size)), 0, limit);
    };
    int sLow, sHigh, tLow, tHigh;
    texels(t0.x, t1.x, w, width, sLow, sHigh);
    texels(t0.y, t3.y, h, height, tLow, tHigh);
    tHigh = std::min(tHigh, rows + 1);
    if (sLow >= sHigh || tLow >= tHigh) return;

    const auto fixed = [](double value) {
        return static_cast<std::int64_t>(std::llround(value * kOne));
    };
    const std::int64_t S00 = fixed(s00), T00 = fixed(t00);
    const std::int64_t DSX = fixed(dsdx), DSY = fixed(dsdy), DTX = fixed(dtdx), DTY = fixed(dtdy);
    const std::int64_t sMin = std::int64_t{sLow} << kFraction,
                       sMax = std::int64_t{sHigh} << kFraction;
    const std::int64_t half = std::int64_t{1} << (kFraction - 1);
    // A sample that would read a row past those kept sees only see-through ones.
    const std::int64_t kept = (std::int64_t{rows} << kFraction) + (linear ? half : 0);
    const std::int64_t tMin = std::int64_t{tLow} << kFraction,
                       tMax = std::min(std::int64_t{tHigh} << kFraction,
                                       rows < height ? kept : std::int64_t{height} << kFraction);
    const Tinting tint(v[0].color);
    const double centreS = width / 2.0, centreT = height / 2.0;
    for (int y = area.y; y < area.y + area.h; ++y) {
        double from = area.x, to = area.x + area.w - 1;
        const double sRow = s00 + dsdy * y, tRow = t00 + dtdy * y;
        if (!Span(sRow, dsdx, sLow, sHigh, from, to) || !Span(tRow, dtdx, tLow, tHigh, from, to))
            continue;
        // A bilinear sample reaches texels up to about two away: a margin of two and a half.
        constexpr double kReach = 2.5;
        double ringFrom = 0, ringTo = 0;
        if (!WithinCircle(sRow, dsdx, tRow, dtdx, centreS, centreT, outer + kReach, ringFrom,
                          ringTo))
            continue;
        from = std::max(from, ringFrom);
        to = std::min(to, ringTo);
        if (from > to) continue;
        const int first = std::max(area.x, static_cast<int>(std::floor(from)) - 1);
        const int last = std::min(area.x + area.w - 1, static_cast<int>(std::ceil(to)) + 1);
        // Pixels strictly inside the hole, skipped.
        int holeFirst = last + 1, holeLast = last;
        double inFrom = 0, inTo = 0;
        if (hole > kReach &&
            WithinCircle(sRow, dsdx, tRow, dtdx, centreS, centreT, hole - kReach, inFrom, inTo) &&
            inTo - inFrom > 2) {
            holeFirst = static_cast<int>(std::floor(inFrom)) + 1;
            holeLast = static_cast<int>(std::ceil(inTo)) - 1;
        }
        std::uint32_t* row = Row(canvas, y);
        std::int64_t s = S00 + DSX * first + DSY * y;
        std::int64_t t = T00 + DTX * first + DTY * y;
        for (int x = first; x <= last; ++x, s += DSX, t += DTX) {
            if (x == holeFirst && holeLast >= holeFirst) {
                const int jump = holeLast - holeFirst + 1;
                x += jump;
                s += DSX * jump;
                t += DTX * jump;
                if (x > last) break;
            }
            if (s < sMin || s >= sMax || t < tMin || t >= tMax) continue;
            std::uint64_t src;
            if (linear) {
                const std::int64_t sc = s - half, tc = t - half;
                const std::uint32_t* p = pixels + (tc >> kFraction) * pitch + (sc >> kFraction);
                const std::uint32_t p00 = p[0], p10 = p[1], p01 = p[pitch], p11 = p[pitch + 1];
                if (((p00 | p10 | p01 | p11) >> 24) == 0) continue;
                const auto fx = static_cast<std::uint32_t>((sc >> (kFraction - 8)) & 0xFF);
                const auto fy = static_cast<std::uint32_t>((tc >> (kFraction - 8)) & 0xFF);
                src = Mix(Mix(Premultiplied(p00), Premultiplied(p10), fx),
                          Mix(Premultiplied(p01), Premultiplied(p11), fx), fy);
            } else {
                const std::uint32_t p = pixels[(t >> kFraction) * pitch + (s >> kFraction)];
                if ((p >> 24) == 0) continue;
                src = Premultiplied(p);
            }
            src = tint(src);
            if ((src >> 48) == 0) continue;
            row[x] = Put(row[x], src, add);
        }
    }
}

}  // namespace

bool TakesQuad(const ImageData& image, int frame, const SDL_Vertex* vertices, int vertexCount,
               const int* indices, int indexCount, SDL_BlendMode blend) {
    return ShapeOf(image, frame, vertices, vertexCount, indices, indexCount, blend) != Shape::None;
}

bool DrawQuad(SDL_Surface* canvas, ImageData& image, int frame, const SDL_Vertex* v,
              int vertexCount, const int* indices, int indexCount, SDL_BlendMode blend,
              const SDL_Rect& clip) {
    // The window's own surface may leave the top byte unused: what lands there is never shown.
    if (!canvas || (canvas->format->format != SDL_PIXELFORMAT_ARGB8888 &&
                    canvas->format->format != SDL_PIXELFORMAT_RGB888))
        return false;
    const Shape shape = ShapeOf(image, frame, v, vertexCount, indices, indexCount, blend);
    if (shape == Shape::None) return false;
    FrameData& data = image.frames[static_cast<size_t>(frame)];
    const std::uint32_t* pixels = PaddedPixels(image, data);
    if (!pixels) return false;
    const int width = data.pixmap.width > 0 ? data.pixmap.width : image.width;
    const int height = data.pixmap.height > 0 ? data.pixmap.height : image.height;
    const int pitch = width + 2, rows = data.paddedRows;
    if (data.padded.size() != static_cast<size_t>(pitch) * (rows + 2)) return false;
    // Past the repeated edge row and column, so texel (-1, -1) is still inside.
    const Texels texels{pixels + pitch + 1, pitch, width, height, rows};
    SDL_Rect area{0, 0, canvas->w, canvas->h};
    if (!SDL_IntersectRect(&clip, &area, &area)) return true;
    // Whatever SDL still holds back must land first, to keep the drawing order.
    SDL_RenderFlush(Display().renderer);
    if (SDL_MUSTLOCK(canvas) && SDL_LockSurface(canvas) != 0) return false;
    const bool add = blend == SDL_BLENDMODE_ADD;
    if (shape == Shape::Upright)
        DrawUpright(canvas, texels, Measured(data) && data.opaque, v, area, add);
    else
        DrawTurned(canvas, texels, image.linear, data.contentRadius, data.contentHole, v, area,
                   add);
    if (SDL_MUSTLOCK(canvas)) SDL_UnlockSurface(canvas);
    return true;
}

}  // namespace media::detail
