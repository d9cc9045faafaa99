#include "Canvas.h"

#include <algorithm>
#include <cmath>

namespace quillox::assets {

Canvas::Canvas(int width, int height, int scale)
    : width_(width),
      height_(height),
      scale_(scale),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width * scale, height * scale)),
      cr_(nullptr) {
    // Set before the context is made, so its user space is in picture pixels; a canvas pasted
    // into another keeps its size in picture pixels too.
    cairo_surface_set_device_scale(surface_, scale, scale);
    cr_ = cairo_create(surface_);
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_BEST);
}

Canvas::~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

std::uint32_t* Canvas::Row(int y) const {
    unsigned char* data = cairo_image_surface_get_data(surface_);
    return reinterpret_cast<std::uint32_t*>(data + y * cairo_image_surface_get_stride(surface_));
}

Rgba Canvas::Texel(int x, int y) const {
    if (x < 0 || y < 0 || x >= TexelWidth() || y >= TexelHeight()) return {0, 0, 0, 0};
    cairo_surface_flush(surface_);
    const std::uint32_t p = Row(y)[x];
    const double a = (p >> 24) / 255.0;
    if (a <= 0) return {0, 0, 0, 0};
    return {((p >> 16) & 255) / 255.0 / a, ((p >> 8) & 255) / 255.0 / a, (p & 255) / 255.0 / a, a};
}

void Canvas::SetTexel(int x, int y, const Rgba& c) {
    if (x < 0 || y < 0 || x >= TexelWidth() || y >= TexelHeight()) return;
    cairo_surface_flush(surface_);
    auto channel = [](double v) {
        return static_cast<std::uint32_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255.0));
    };
    const double a = std::clamp(c.a, 0.0, 1.0);
    Row(y)[x] =
        (channel(a) << 24) | (channel(c.r * a) << 16) | (channel(c.g * a) << 8) | channel(c.b * a);
    cairo_surface_mark_dirty(surface_);
}

void Canvas::Paste(const Canvas& other, double x, double y, double alpha) {
    cairo_save(cr_);
    cairo_set_source_surface(cr_, other.surface_, x, y);
    cairo_paint_with_alpha(cr_, alpha);
    cairo_restore(cr_);
}

void Canvas::CopyTo(Canvas& target, int sx, int sy) const {
    cairo_t* cr = target.cr_;
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, surface_, -sx, -sy);
    cairo_paint(cr);
    cairo_restore(cr);
}

bool Canvas::SavePng(const std::string& path) const {
    cairo_surface_flush(surface_);
    return cairo_surface_write_to_png(surface_, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace quillox::assets
