// An ARGB picture being drawn: a Cairo image surface with its drawing context. Every size and
// coordinate is in picture pixels; the surface holds `scale` device pixels for each of them
// (Cairo's device scale), so the same drawing code makes the picture at 1x and, drawn at that
// resolution rather than enlarged, at 2x for high-density screens.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>

namespace quillox::assets {

struct Rgba {
    double r, g, b, a = 1.0;
};

class Canvas {
public:
    Canvas(int width, int height, int scale);
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    ~Canvas();

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Scale() const { return scale_; }
    int TexelWidth() const { return width_ * scale_; }
    int TexelHeight() const { return height_ * scale_; }
    cairo_t* Cr() const { return cr_; }
    cairo_surface_t* Surface() const { return surface_; }

    // Straight (not premultiplied) colour of one device pixel (0 <= x < TexelWidth()); outside
    // the picture is transparent. Art computed pixel by pixel walks the texels, so it gains
    // the detail of the scale too.
    Rgba Texel(int x, int y) const;
    void SetTexel(int x, int y, const Rgba& c);
    // Draws another canvas with its top-left at (x, y).
    void Paste(const Canvas& other, double x, double y, double alpha = 1.0);
    // Copies a rectangle of this canvas into a new one of that size.
    void CopyTo(Canvas& target, int sx, int sy) const;
    // Writes the picture as PNG; false when the file cannot be written.
    [[nodiscard]] bool SavePng(const std::string& path) const;

private:
    std::uint32_t* Row(int y) const;

    int width_;
    int height_;
    int scale_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

}  // namespace quillox::assets
