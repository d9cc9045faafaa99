#include "DrawKit.h"

#include <algorithm>
#include <cmath>

#include "Rng.h"

namespace quillox::assets::kit {

void SetColour(cairo_t* cr, const Rgba& c, double alphaScale) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a * alphaScale);
}

Rgba Mix(const Rgba& a, const Rgba& b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
            a.a + (b.a - a.a) * t};
}

Rgba Lighten(const Rgba& c, double t) {
    return Mix(c, {1, 1, 1, c.a}, t);
}
Rgba Darken(const Rgba& c, double t) {
    return Mix(c, {0, 0, 0, c.a}, t);
}

Rgba Hsv(double hue, double sat, double val) {
    hue = std::fmod(std::fmod(hue, 1.0) + 1.0, 1.0) * 6.0;
    const int i = static_cast<int>(hue);
    const double f = hue - i, p = val * (1 - sat), q = val * (1 - sat * f),
                 t = val * (1 - sat * (1 - f));
    switch (i) {
        case 0:
            return {val, t, p};
        case 1:
            return {q, val, p};
        case 2:
            return {p, val, t};
        case 3:
            return {p, q, val};
        case 4:
            return {t, p, val};
        default:
            return {val, p, q};
    }
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
    r = std::min({r, w / 2, h / 2});
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 1.5 * M_PI);
    cairo_close_path(cr);
}

void Star(cairo_t* cr, double cx, double cy, double outer, double inner, int points,
          double rotation) {
    cairo_new_sub_path(cr);
    for (int i = 0; i < points * 2; ++i) {
        const double a = rotation - M_PI / 2 + i * M_PI / points;
        const double r = (i % 2 == 0) ? outer : inner;
        cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_close_path(cr);
}

void FillVertical(cairo_t* cr, double x, double y, double w, double h, const Rgba& top,
                  const Rgba& bottom) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgba(p, 0, top.r, top.g, top.b, top.a);
    cairo_pattern_add_color_stop_rgba(p, 1, bottom.r, bottom.g, bottom.b, bottom.a);
    cairo_rectangle(cr, x, y, w, h);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void Glow(cairo_t* cr, double cx, double cy, double radius, const Rgba& c, double alpha) {
    cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, radius);
    cairo_pattern_add_color_stop_rgba(p, 0, c.r, c.g, c.b, alpha);
    cairo_pattern_add_color_stop_rgba(p, 0.4, c.r, c.g, c.b, alpha * 0.45);
    cairo_pattern_add_color_stop_rgba(p, 1, c.r, c.g, c.b, 0);
    cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void Panel(cairo_t* cr, double x, double y, double w, double h, double r, double opacity) {
    cairo_save(cr);
    // Soft shadow: a few widening translucent layers.
    for (int i = 6; i >= 1; --i) {
        RoundedRect(cr, x - i + 4, y - i + 6, w + 2 * i, h + 2 * i, r + i);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.05 * opacity);
        cairo_fill(cr);
    }
    RoundedRect(cr, x, y, w, h, r);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgba(p, 0, 0.22, 0.16, 0.42, 0.92 * opacity);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.10, 0.06, 0.24, 0.95 * opacity);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    // Gold rim with a thin bright inner line.
    cairo_set_line_width(cr, 3);
    p = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgb(p, 0, 1.0, 0.88, 0.50);
    cairo_pattern_add_color_stop_rgb(p, 0.5, 0.80, 0.56, 0.16);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.98, 0.78, 0.36);
    cairo_set_source(cr, p);
    cairo_stroke(cr);
    cairo_pattern_destroy(p);
    RoundedRect(cr, x + 3, y + 3, w - 6, h - 6, std::max(1.0, r - 3));
    cairo_set_line_width(cr, 1);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.18);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void Backdrop(Canvas& canvas, unsigned seed, double tint) {
    cairo_t* cr = canvas.Cr();
    const double w = canvas.Width(), h = canvas.Height();
    const Rgba top = Mix({0.16, 0.07, 0.34}, {0.30, 0.05, 0.16}, tint);
    const Rgba bottom = Mix({0.04, 0.02, 0.12}, {0.10, 0.01, 0.05}, tint);
    FillVertical(cr, 0, 0, w, h, top, bottom);
    // Large soft lights.
    Rng rng(seed);
    const Rgba lights[] = {
        {0.55, 0.30, 0.95}, {0.95, 0.35, 0.70}, {0.25, 0.55, 1.0}, {1.0, 0.75, 0.30}};
    for (int i = 0; i < 7; ++i) {
        const Rgba c = Mix(lights[i % 4], {1.0, 0.3, 0.3}, tint * 0.6);
        Glow(cr, rng.Range(0, w), rng.Range(0, h), rng.Range(140, 320), c, 0.16);
    }
    // Bokeh circles.
    for (int i = 0; i < 40; ++i) {
        const double x = rng.Range(0, w), y = rng.Range(0, h), r = rng.Range(4, 26);
        const Rgba c = Mix(lights[rng.Int(0, 3)], {1, 1, 1}, 0.3);
        cairo_arc(cr, x, y, r, 0, 2 * M_PI);
        SetColour(cr, c, rng.Range(0.03, 0.09));
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, 1.2);
        SetColour(cr, c, 0.10);
        cairo_stroke(cr);
    }
    // Tiny stars.
    for (int i = 0; i < 90; ++i) {
        const double x = rng.Range(0, w), y = rng.Range(0, h);
        cairo_arc(cr, x, y, rng.Range(0.5, 1.4), 0, 2 * M_PI);
        cairo_set_source_rgba(cr, 1, 1, 1, rng.Range(0.2, 0.7));
        cairo_fill(cr);
    }
    // Vignette.
    cairo_pattern_t* p =
        cairo_pattern_create_radial(w / 2, h / 2, h * 0.35, w / 2, h / 2, w * 0.75);
    cairo_pattern_add_color_stop_rgba(p, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(p, 1, 0, 0, 0, 0.55);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

namespace {

void TextPath(cairo_t* cr, const TextStyle& style, const std::string& text, double x,
              double baseline) {
    cairo_set_font_face(cr, style.face);
    cairo_set_font_size(cr, style.size);
    cairo_move_to(cr, x, baseline);
    cairo_text_path(cr, text.c_str());
}

}  // namespace

double TextWidth(cairo_t* cr, const TextStyle& style, const std::string& text) {
    cairo_save(cr);
    cairo_set_font_face(cr, style.face);
    cairo_set_font_size(cr, style.size);
    cairo_text_extents_t e;
    cairo_text_extents(cr, text.c_str(), &e);
    cairo_restore(cr);
    return e.x_advance;
}

void DrawText(cairo_t* cr, const TextStyle& style, const std::string& text, double x,
              double baseline, int align) {
    if (align == 1) x -= TextWidth(cr, style, text) / 2;
    cairo_save(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    if (style.shadow > 0) {
        TextPath(cr, style, text, x + style.shadow, baseline + style.shadow);
        cairo_set_line_width(cr, style.outlineWidth * 2);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
        cairo_stroke_preserve(cr);
        cairo_fill(cr);
    }
    TextPath(cr, style, text, x, baseline);
    if (style.outlineWidth > 0) {
        cairo_set_line_width(cr, style.outlineWidth * 2);
        SetColour(cr, style.outline);
        cairo_stroke_preserve(cr);
    }
    cairo_pattern_t* p =
        cairo_pattern_create_linear(0, baseline - style.size * 0.8, 0, baseline + style.size * 0.1);
    cairo_pattern_add_color_stop_rgba(p, 0, style.top.r, style.top.g, style.top.b, style.top.a);
    cairo_pattern_add_color_stop_rgba(p, 1, style.bottom.r, style.bottom.g, style.bottom.b,
                                      style.bottom.a);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    // A glossy band over the upper half of the letters.
    TextPath(cr, style, text, x, baseline);
    cairo_clip(cr);
    cairo_pattern_t* g =
        cairo_pattern_create_linear(0, baseline - style.size * 0.8, 0, baseline - style.size * 0.3);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 1, 0.45);
    cairo_pattern_add_color_stop_rgba(g, 1, 1, 1, 1, 0.0);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
}

void DrawTextCentred(cairo_t* cr, const TextStyle& style, const std::string& text, double cx,
                     double cy) {
    cairo_save(cr);
    cairo_set_font_face(cr, style.face);
    cairo_set_font_size(cr, style.size);
    cairo_font_extents_t fe;
    cairo_font_extents(cr, &fe);
    cairo_restore(cr);
    // Centre the caps height rather than the full ascent, which reads as centred.
    const double baseline = cy + (fe.ascent - fe.descent) / 2 - style.size * 0.04;
    DrawText(cr, style, text, cx, baseline, 1);
}

}  // namespace quillox::assets::kit
