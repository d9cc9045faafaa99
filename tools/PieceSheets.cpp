// Pieces and the power tokens, drawn as cell strips.
#include <cmath>

#include "DrawKit.h"
#include "Generators.h"
#include "PieceArt.h"

namespace quillox::assets {
namespace {

void PieceStrip(AssetWriter& out, std::string_view name, bool symbols) {
    const ImageAsset& a = out.Image(kGraphics, name);
    Canvas c(a.Width(), a.Height(), out.Scale());
    const double radius = a.cellWidth * 0.45;
    for (int v = 0; v < a.frames; ++v) {
        pieces::DrawPiece(c, v * a.cellWidth + a.cellWidth / 2.0, a.cellHeight / 2.0, radius, v,
                          symbols);
    }
    out.Save(c, kGraphics, name);
}

// A blob of wet paint on the brush tip, one frame per flavour 2..11.
void PaintStrip(AssetWriter& out) {
    const ImageAsset& a = out.Image(kGraphics, "paint");
    Canvas c(a.Width(), a.Height(), out.Scale());
    cairo_t* cr = c.Cr();
    for (int f = 0; f < a.frames; ++f) {
        const int value = f + 2;
        const double x = f * a.cellWidth;
        cairo_save(cr);
        cairo_translate(cr, x, 0);
        cairo_new_path(cr);
        cairo_move_to(cr, 8, 2);
        cairo_line_to(cr, 31, 2);
        cairo_curve_to(cr, 36, 8, 35, 15, 29, 18);
        cairo_curve_to(cr, 26, 20, 24, 22, 21, 21);
        cairo_curve_to(cr, 19, 20, 18, 17, 15, 19);
        cairo_curve_to(cr, 11, 21, 6, 17, 5, 12);
        cairo_curve_to(cr, 4, 8, 5, 4, 8, 2);
        cairo_close_path(cr);
        cairo_pattern_t* p;
        if (value == pieces::kRainbow) {
            p = cairo_pattern_create_linear(4, 0, 35, 0);
            for (int k = 0; k <= 6; ++k) {
                const Rgba h = kit::Hsv(k / 6.0, 0.95, 1.0);
                cairo_pattern_add_color_stop_rgb(p, k / 6.0, h.r, h.g, h.b);
            }
        } else {
            const Rgba col = pieces::FlavourColour(value);
            const Rgba hi = kit::Lighten(col, 0.35), lo = kit::Darken(col, 0.3);
            p = cairo_pattern_create_linear(0, 2, 0, 21);
            cairo_pattern_add_color_stop_rgb(p, 0, hi.r, hi.g, hi.b);
            cairo_pattern_add_color_stop_rgb(p, 1, lo.r, lo.g, lo.b);
        }
        cairo_set_source(cr, p);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(p);
        cairo_set_line_width(cr, 1.2);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.45);
        cairo_stroke(cr);
        cairo_arc(cr, 14, 8, 2.5, 0, 2 * M_PI);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.7);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    out.Save(c, kGraphics, "paint");
}

void Brush(AssetWriter& out) {
    const ImageAsset& a = out.Image(kGraphics, "brush");
    Canvas c(a.Width(), a.Height(), out.Scale());
    cairo_t* cr = c.Cr();
    // Lacquered handle.
    cairo_pattern_t* p = cairo_pattern_create_linear(14, 0, 26, 0);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.45, 0.12, 0.08);
    cairo_pattern_add_color_stop_rgb(p, 0.4, 0.90, 0.35, 0.22);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.35, 0.08, 0.05);
    kit::RoundedRect(cr, 15, 1, 10, 38, 5);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    // Metal ferrule.
    p = cairo_pattern_create_linear(10, 0, 30, 0);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.45, 0.45, 0.50);
    cairo_pattern_add_color_stop_rgb(p, 0.35, 0.95, 0.95, 1.0);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.40, 0.40, 0.45);
    cairo_move_to(cr, 13, 36);
    cairo_line_to(cr, 27, 36);
    cairo_line_to(cr, 30, 54);
    cairo_line_to(cr, 10, 54);
    cairo_close_path(cr);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    // Bristles.
    p = cairo_pattern_create_linear(0, 54, 0, 72);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.85, 0.70, 0.45);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.55, 0.40, 0.22);
    cairo_move_to(cr, 10, 54);
    cairo_line_to(cr, 30, 54);
    cairo_curve_to(cr, 34, 62, 28, 70, 20, 71);
    cairo_curve_to(cr, 12, 70, 6, 62, 10, 54);
    cairo_close_path(cr);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.3);
    cairo_set_line_width(cr, 0.8);
    for (int i = 0; i < 5; ++i) {
        cairo_move_to(cr, 13 + i * 3.5, 56);
        cairo_line_to(cr, 15 + i * 2.5, 68);
        cairo_stroke(cr);
    }
    out.Save(c, kGraphics, "brush");
}

// Token icons drawn in white on the coin.
void VortexIcon(cairo_t* cr, double cx, double cy, double r) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int arm = 0; arm < 3; ++arm) {
        cairo_new_path(cr);
        for (int i = 0; i <= 40; ++i) {
            const double t = i / 40.0;
            const double ang = arm * 2 * M_PI / 3 + t * 3.2;
            const double rad = r * (0.12 + 0.78 * t);
            cairo_line_to(cr, cx + rad * std::cos(ang), cy + rad * std::sin(ang));
        }
        cairo_set_line_width(cr, r * 0.2);
        cairo_stroke(cr);
    }
    cairo_arc(cr, cx, cy, r * 0.16, 0, 2 * M_PI);
    cairo_fill(cr);
}

void PaletteIcon(cairo_t* cr, double cx, double cy, double r) {
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, r, r * 0.82);
    cairo_arc(cr, 0, 0, 0.95, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, cx + r * 0.42, cy + r * 0.35, r * 0.2, 2 * M_PI, 0);
    cairo_fill(cr);
    const double spots[][2] = {
        {-0.5, -0.1}, {-0.2, -0.5}, {0.25, -0.5}, {0.55, -0.1}, {-0.35, 0.38}};
    const int flavours[] = {2, 4, 5, 6, 9};
    for (int i = 0; i < 5; ++i) {
        const Rgba col = pieces::FlavourColour(flavours[i]);
        cairo_arc(cr, cx + spots[i][0] * r, cy + spots[i][1] * r, r * 0.17, 0, 2 * M_PI);
        cairo_set_source_rgb(cr, col.r, col.g, col.b);
        cairo_fill(cr);
    }
}

void BombIcon(cairo_t* cr, double cx, double cy, double r) {
    cairo_arc(cr, cx - r * 0.08, cy + r * 0.12, r * 0.62, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_rectangle(cr, cx + r * 0.18, cy - r * 0.62, r * 0.3, r * 0.3);
    cairo_fill(cr);
    cairo_set_line_width(cr, r * 0.1);
    cairo_move_to(cr, cx + r * 0.33, cy - r * 0.62);
    cairo_curve_to(cr, cx + r * 0.4, cy - r * 0.9, cx + r * 0.7, cy - r * 0.7, cx + r * 0.72,
                   cy - r * 0.92);
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_set_source_rgb(cr, 1.0, 0.85, 0.2);
    kit::Star(cr, cx + r * 0.76, cy - r * 0.96, r * 0.26, r * 0.1, 6, 0.2);
    cairo_fill(cr);
    cairo_restore(cr);
}

// States: 0 cannot be paid, 1 ready (green), 2 armed (glowing gold).
void TokenStrip(AssetWriter& out, std::string_view name,
                void (*icon)(cairo_t*, double, double, double)) {
    const ImageAsset& a = out.Image(kGraphics, name);
    Canvas c(a.Width(), a.Height(), out.Scale());
    cairo_t* cr = c.Cr();
    const Rgba coins[] = {{0.42, 0.40, 0.48}, {0.16, 0.72, 0.26}, {1.0, 0.78, 0.18}};
    for (int s = 0; s < a.frames; ++s) {
        const double cx = s * a.cellWidth + a.cellWidth / 2.0, cy = a.cellHeight / 2.0;
        if (s == 2) kit::Glow(cr, cx, cy, 29, {1.0, 0.95, 0.6}, 0.9);
        const double r = s == 2 ? 25.5 : 24.5;
        // Gold bezel.
        cairo_pattern_t* p = cairo_pattern_create_linear(0, cy - r, 0, cy + r);
        cairo_pattern_add_color_stop_rgb(p, 0, 1.0, 0.9, 0.55);
        cairo_pattern_add_color_stop_rgb(p, 0.5, 0.75, 0.5, 0.12);
        cairo_pattern_add_color_stop_rgb(p, 1, 0.98, 0.8, 0.4);
        cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
        cairo_set_source(cr, p);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
        pieces::DrawSphere(c, cx, cy, r - 4, coins[s]);
        cairo_save(cr);
        cairo_set_source_rgba(cr, 1, 1, 1, s == 0 ? 0.55 : 0.97);
        icon(cr, cx, cy + 1, (r - 4) * 0.72);
        cairo_restore(cr);
        if (s == 0) {  // dim the unaffordable look
            cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
            cairo_set_source_rgba(cr, 0.1, 0.08, 0.15, 0.35);
            cairo_fill(cr);
        }
    }
    out.Save(c, kGraphics, name);
}

}  // namespace

void GeneratePieces(AssetWriter& out) {
    PieceStrip(out, "zindles", false);
    PieceStrip(out, "zindlesCB", true);
    PieceStrip(out, "next", false);
    PieceStrip(out, "nextCB", true);
    PaintStrip(out);
    Brush(out);
    TokenStrip(out, "TokenVortex", VortexIcon);
    TokenStrip(out, "TokenPalette", PaletteIcon);
    TokenStrip(out, "TokenBomb", BombIcon);
}

}  // namespace quillox::assets
