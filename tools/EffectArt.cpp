// Play effects and small markers: explosions, particles, rings, score popups.
#include <cmath>
#include <string>

#include "DrawKit.h"
#include "Generators.h"
#include "PieceArt.h"
#include "Rng.h"

namespace quillox::assets {
namespace {

Canvas Make(AssetWriter& out, std::string_view name) {
    const ImageAsset& a = out.Image(kGraphics, name);
    return Canvas(a.Width(), a.Height(), out.Scale());
}

void Explosion(AssetWriter& out) {
    const ImageAsset& a = out.Image(kGraphics, "explode");
    Canvas c(a.Width(), a.Height(), out.Scale());
    cairo_t* cr = c.Cr();
    for (int f = 0; f < a.frames; ++f) {
        const double t = (f + 1.0) / a.frames;  // 0..1 through the blast
        const double cx = f * a.cellWidth + 32, cy = 32;
        cairo_save(cr);
        cairo_rectangle(cr, f * a.cellWidth, 0, a.cellWidth, a.cellHeight);
        cairo_clip(cr);
        const double fade = t < 0.3 ? 1.0 : std::max(0.0, 1.0 - (t - 0.3) / 0.7);
        const double radius = 8 + 24 * std::sqrt(t);
        // Hot core to smoky edge.
        cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, radius);
        cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 0.85, fade);
        cairo_pattern_add_color_stop_rgba(p, 0.35, 1, 0.75, 0.2, 0.95 * fade);
        cairo_pattern_add_color_stop_rgba(p, 0.7, 0.9, 0.25, 0.05, 0.7 * fade);
        cairo_pattern_add_color_stop_rgba(p, 1, 0.3, 0.05, 0.05, 0);
        cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
        cairo_set_source(cr, p);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
        // Flying sparks.
        Rng sparks(11);
        for (int i = 0; i < 14; ++i) {
            const double ang = sparks.Range(0, 2 * M_PI);
            const double speed = sparks.Range(0.6, 1.0);
            const double d = 6 + 26 * t * speed;
            const double sx = cx + d * std::cos(ang), sy = cy + d * std::sin(ang);
            cairo_arc(cr, sx, sy, 1.8 * (1 - t) + 0.6, 0, 2 * M_PI);
            cairo_set_source_rgba(cr, 1, 0.9, 0.5, fade);
            cairo_fill(cr);
        }
        // A bright shock ring early on.
        if (t < 0.6) {
            cairo_arc(cr, cx, cy, 6 + 40 * t, 0, 2 * M_PI);
            cairo_set_line_width(cr, 3 * (1 - t));
            cairo_set_source_rgba(cr, 1, 1, 0.9, 0.8 * (1 - t / 0.6));
            cairo_stroke(cr);
        }
        cairo_restore(cr);
    }
    out.Save(c, kGraphics, "explode");
}

void SoftDot(AssetWriter& out, std::string_view name, const Rgba& colour, double core) {
    Canvas c = Make(out, name);
    const double r = c.Width() / 2.0;
    cairo_pattern_t* p = cairo_pattern_create_radial(r, r, 0, r, r, r);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, 1);
    cairo_pattern_add_color_stop_rgba(p, core, colour.r, colour.g, colour.b, 0.85);
    cairo_pattern_add_color_stop_rgba(p, 1, colour.r, colour.g, colour.b, 0);
    cairo_arc(c.Cr(), r, r, r, 0, 2 * M_PI);
    cairo_set_source(c.Cr(), p);
    cairo_fill(c.Cr());
    cairo_pattern_destroy(p);
    out.Save(c, kGraphics, name);
}

// The machine's bubbles are drawn with additive light, a hundred or more at once in a burst:
// a faint body and a thin rim, so a crowd of them reads as fizz rather than a white slab.
void Bubble(AssetWriter& out) {
    Canvas c = Make(out, "particle1");
    cairo_t* cr = c.Cr();
    const double r = 5.0, cx = 6, cy = 6;
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 0.55, 0.8, 1.0, 0.04);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.0);
    cairo_set_source_rgba(cr, 0.7, 0.9, 1.0, 0.38);
    cairo_stroke(cr);
    cairo_arc(cr, cx - 1.8, cy - 1.8, 1.2, 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.8);
    cairo_fill(cr);
    out.Save(c, kGraphics, "particle1");
}

void Ring(AssetWriter& out, std::string_view name, const Rgba& colour, double width) {
    Canvas c = Make(out, name);
    cairo_t* cr = c.Cr();
    const double r = c.Width() / 2.0;
    for (int i = 0; i < 3; ++i) {
        cairo_arc(cr, r, r, r - width / 2 - 2, 0, 2 * M_PI);
        cairo_set_line_width(cr, width * (1.0 + i * 0.9));
        kit::SetColour(cr, colour, 0.9 / (1 + i * 2.5));
        cairo_stroke(cr);
    }
    cairo_arc(cr, r, r, r - width / 2 - 2, 0, 2 * M_PI);
    cairo_set_line_width(cr, width * 0.35);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.9);
    cairo_stroke(cr);
    out.Save(c, kGraphics, name);
}

// The rotating ring laid over the selected piece.
void Select(AssetWriter& out) {
    Canvas c = Make(out, "select");
    cairo_t* cr = c.Cr();
    const double cx = 30, cy = 30;
    kit::Glow(cr, cx, cy, 30, {1.0, 0.9, 0.4}, 0.25);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 8; ++i) {
        const double a0 = i * M_PI / 4 + 0.12, a1 = a0 + M_PI / 4 - 0.24;
        cairo_arc(cr, cx, cy, 26, a0, a1);
        cairo_set_line_width(cr, 5);
        cairo_set_source_rgba(cr, 0.35, 0.2, 0.0, 0.7);
        cairo_stroke(cr);
        cairo_arc(cr, cx, cy, 26, a0, a1);
        cairo_set_line_width(cr, 3);
        cairo_set_source_rgb(cr, 1.0, 0.88, 0.35);
        cairo_stroke(cr);
    }
    out.Save(c, kGraphics, "select");
}

void Dot(AssetWriter& out) {
    Canvas c = Make(out, "dot");
    cairo_t* cr = c.Cr();
    kit::Glow(cr, 8, 8, 8, {1, 0.9, 0.5}, 0.8);
    cairo_arc(cr, 8, 8, 3, 0, 2 * M_PI);
    cairo_set_source_rgb(cr, 1, 1, 0.9);
    cairo_fill(cr);
    out.Save(c, kGraphics, "dot");
}

// A four-pointed twinkle with a halo: the hover glow and the armed-power sparkle.
void Sparkle(AssetWriter& out, std::string_view name) {
    Canvas c = Make(out, name);
    cairo_t* cr = c.Cr();
    const double r = c.Width() / 2.0;
    kit::Glow(cr, r, r, r, {1.0, 0.9, 0.55}, 0.7);
    for (int k = 0; k < 2; ++k) {
        cairo_save(cr);
        cairo_translate(cr, r, r);
        cairo_rotate(cr, k * M_PI / 4);
        const double len = k == 0 ? r * 0.98 : r * 0.6;
        cairo_move_to(cr, 0, -len);
        cairo_curve_to(cr, r * 0.06, -r * 0.06, r * 0.06, -r * 0.06, len, 0);
        cairo_curve_to(cr, r * 0.06, r * 0.06, r * 0.06, r * 0.06, 0, len);
        cairo_curve_to(cr, -r * 0.06, r * 0.06, -r * 0.06, r * 0.06, -len, 0);
        cairo_curve_to(cr, -r * 0.06, -r * 0.06, -r * 0.06, -r * 0.06, 0, -len);
        cairo_close_path(cr);
        cairo_set_source_rgba(cr, 1, 1, 0.92, k == 0 ? 0.95 : 0.7);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    out.Save(c, kGraphics, name);
}

// The current-level marker on the level map: a turning gear-toothed golden ring.
void MachineMarker(AssetWriter& out) {
    Canvas c = Make(out, "machine");
    cairo_t* cr = c.Cr();
    const double cx = 32, cy = 32;
    cairo_new_path(cr);
    for (int i = 0; i < 48; ++i) {
        const double a = i * 2 * M_PI / 48;
        const double r = (i / 2) % 2 == 0 ? 31 : 27.5;
        cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_close_path(cr);
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, cx, cy, 24, 2 * M_PI, 0);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 64, 64);
    cairo_pattern_add_color_stop_rgb(p, 0, 1.0, 0.93, 0.6);
    cairo_pattern_add_color_stop_rgb(p, 0.5, 0.85, 0.58, 0.12);
    cairo_pattern_add_color_stop_rgb(p, 1, 1.0, 0.85, 0.4);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    cairo_set_line_width(cr, 1);
    cairo_set_source_rgba(cr, 0.35, 0.2, 0, 0.8);
    cairo_stroke(cr);
    out.Save(c, kGraphics, "machine");
}

void Indicator(AssetWriter& out) {
    Canvas c = Make(out, "ind");
    cairo_t* cr = c.Cr();
    cairo_arc(cr, 24, 24, 21, 0, 2 * M_PI);
    cairo_set_line_width(cr, 4);
    cairo_set_source_rgba(cr, 0.5, 1.0, 0.6, 0.9);
    cairo_stroke(cr);
    out.Save(c, kGraphics, "ind");
}

void Padlock(AssetWriter& out) {
    Canvas c = Make(out, "padlock");
    cairo_t* cr = c.Cr();
    cairo_arc(cr, 11, 10, 6.5, M_PI, 2 * M_PI);
    cairo_line_to(cr, 17.5, 13);
    cairo_move_to(cr, 4.5, 13);
    cairo_line_to(cr, 4.5, 10);
    cairo_set_line_width(cr, 3);
    cairo_set_source_rgb(cr, 0.75, 0.76, 0.82);
    cairo_stroke(cr);
    kit::RoundedRect(cr, 1.5, 11.5, 19, 13.5, 3);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 11, 0, 25);
    cairo_pattern_add_color_stop_rgb(p, 0, 1.0, 0.88, 0.45);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.72, 0.46, 0.08);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    cairo_set_line_width(cr, 1);
    cairo_set_source_rgb(cr, 0.35, 0.2, 0.02);
    cairo_stroke(cr);
    cairo_arc(cr, 11, 17, 2, 0, 2 * M_PI);
    cairo_rectangle(cr, 10.2, 17, 1.6, 5);
    cairo_set_source_rgb(cr, 0.3, 0.18, 0.02);
    cairo_fill(cr);
    out.Save(c, kGraphics, "padlock");
}

// Bold popup numbers; warmer and brighter as the number grows.
void Popup(AssetWriter& out, std::string_view name, const std::string& text, double heat) {
    Canvas c = Make(out, name);
    kit::TextStyle style{out.Bold().CairoFace(),
                         32,
                         {1, 1, 0.75},
                         kit::Mix({1.0, 0.75, 0.1}, {1.0, 0.3, 0.1}, heat)};
    style.outlineWidth = 2.6;
    style.shadow = 1.5;
    kit::DrawTextCentred(c.Cr(), style, text, c.Width() / 2.0, c.Height() / 2.0);
    out.Save(c, kGraphics, name);
}

}  // namespace

void GenerateEffects(AssetWriter& out) {
    Explosion(out);
    Bubble(out);
    SoftDot(out, "particle2", {1.0, 0.85, 0.45}, 0.25);
    SoftDot(out, "power", {0.6, 1.0, 0.6}, 0.2);
    Ring(out, "particlering", {1.0, 0.9, 0.5}, 3.0);
    {
        Canvas ball = Make(out, "ball");
        pieces::DrawSphere(ball, 12, 12, 10.5, {0.95, 0.75, 0.2});
        out.Save(ball, kGraphics, "ball");
    }
    Select(out);
    Dot(out);
    Sparkle(out, "moi");
    MachineMarker(out);
    Indicator(out);
    Padlock(out);
    for (int n = 5; n <= 20; ++n) {
        Popup(out, "score" + std::to_string(n), "+" + std::to_string(n), (n - 5) / 15.0);
    }
    for (int n = 30; n <= 50; n += 10) {
        Popup(out, "score" + std::to_string(n), "+" + std::to_string(n), 1.0);
    }
    for (int n = 2; n <= 8; ++n) {
        Popup(out, "x" + std::to_string(n), "x" + std::to_string(n), (n - 2) / 6.0);
    }
}

}  // namespace quillox::assets
