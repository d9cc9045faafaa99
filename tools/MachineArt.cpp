#include "MachineArt.h"

#include <cmath>

#include "AssetManifest.h"
#include "DrawKit.h"
#include "PieceArt.h"
#include "Rng.h"

namespace quillox::assets::machine {
namespace {

constexpr auto kHalfWidths = GlobeHalfWidths();

// Half width of the inside at a screen row of the play screen. The table moves in whole pixels
// with runs of equal rows; averaged over a few rows the glass wall curves smoothly instead of
// showing the runs as kinks, and stays within a pixel of the table the game measures with.
double HalfWidthAt(double y) {
    const int centre = static_cast<int>(std::lround(kBottomY - y));
    constexpr int kReach = 2;
    double sum = 0;
    for (int k = -kReach; k <= kReach; ++k) {
        int i = centre + k;
        if (i < 0) i = 0;
        if (i > kFullFill) i = kFullFill;
        sum += kHalfWidths[i];
    }
    return sum / (2 * kReach + 1) + 0.5;
}

// The outline of the inside, following the width table row by row.
void InsidePath(cairo_t* cr, double dx, double dy, double grow) {
    cairo_new_path(cr);
    for (int y = kTopY; y <= kBottomY; ++y) {
        cairo_line_to(cr, dx + kCentreX - HalfWidthAt(y + 0.5) - grow, dy + y + 0.5);
    }
    cairo_line_to(cr, dx + kCentreX - HalfWidthAt(kBottomY) - grow, dy + kBottomY + grow);
    cairo_line_to(cr, dx + kCentreX + HalfWidthAt(kBottomY) + grow, dy + kBottomY + grow);
    for (int y = kBottomY; y >= kTopY; --y) {
        cairo_line_to(cr, dx + kCentreX + HalfWidthAt(y + 0.5) + grow, dy + y + 0.5);
    }
    cairo_line_to(cr, dx + kCentreX + HalfWidthAt(kTopY) + grow, dy + kTopY - grow);
    cairo_line_to(cr, dx + kCentreX - HalfWidthAt(kTopY) - grow, dy + kTopY - grow);
    cairo_close_path(cr);
}

void EmptyInside(cairo_t* cr, double dx, double dy) {
    cairo_save(cr);
    InsidePath(cr, dx, dy, 0);
    cairo_clip(cr);
    cairo_pattern_t* p =
        cairo_pattern_create_radial(dx + kCentreX - 25, dy + 205, 10, dx + kCentreX, dy + 228, 95);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.20, 0.22, 0.42);
    cairo_pattern_add_color_stop_rgb(p, 0.7, 0.10, 0.10, 0.26);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.05, 0.04, 0.14);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
}

void Contents(Canvas& canvas, double dx, double dy, double fill, unsigned seed) {
    if (fill <= 0) return;
    cairo_t* cr = canvas.Cr();
    const double surface = dy + kBottomY - fill;
    cairo_save(cr);
    InsidePath(cr, dx, dy, 0);
    cairo_clip(cr);
    cairo_rectangle(cr, 0, surface, canvas.Width(), dy + kBottomY - surface);
    cairo_clip(cr);
    // Glowing syrup behind the pieces.
    cairo_pattern_t* p = cairo_pattern_create_linear(0, dy + kTopY, 0, dy + kBottomY);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.55, 0.35, 0.85);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.25, 0.10, 0.45);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);

    // Pieces packed in staggered rows from the floor up; only those inside the glass.
    Rng rng(seed);
    const double r = 8.6, stepX = 2 * r - 0.6, stepY = r * 1.7;
    Canvas layer(canvas.Width(), canvas.Height(), canvas.Scale());
    int row = 0;
    for (double y = dy + kBottomY - r + 1; y > surface - r * 0.4; y -= stepY, ++row) {
        const double half = HalfWidthAt(y - dy);
        const double offset = (row % 2) * stepX / 2;
        for (double x = dx + kCentreX - half - r + offset; x < dx + kCentreX + half + r;
             x += stepX) {
            const double jx = rng.Range(-1.2, 1.2), jy = rng.Range(-1.0, 1.0);
            const int roll = rng.Int(0, 40);
            const int value = roll == 0 ? pieces::kRainbow : 2 + roll % 9;
            if (std::abs(x + jx - dx - kCentreX) > HalfWidthAt(y - dy) + r * 0.3) continue;
            pieces::DrawPiece(layer, x + jx, y + jy, r, value, false);
        }
    }
    cairo_save(cr);
    InsidePath(cr, dx, dy, 0);
    cairo_clip(cr);
    cairo_rectangle(cr, 0, surface, canvas.Width(), dy + kBottomY - surface);
    cairo_clip(cr);
    cairo_set_source_surface(cr, layer.Surface(), 0, 0);
    cairo_paint(cr);
    // A veil of syrup over the pieces and a bright surface line.
    cairo_set_source_rgba(cr, 0.55, 0.35, 0.95, 0.18);
    cairo_paint(cr);
    cairo_rectangle(cr, 0, surface, canvas.Width(), 2);
    cairo_set_source_rgba(cr, 1, 0.95, 1, 0.55);
    cairo_fill(cr);
    cairo_restore(cr);
}

void GlassAndShine(cairo_t* cr, double dx, double dy) {
    // Reflections: a tall soft streak on the left, a small one on the right.
    cairo_save(cr);
    InsidePath(cr, dx, dy, 0);
    cairo_clip(cr);
    cairo_save(cr);
    cairo_translate(cr, dx + kCentreX - 50, dy + 212);
    cairo_rotate(cr, 0.12);
    cairo_scale(cr, 12, 44);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(dx + kCentreX - 62, 0, dx + kCentreX - 38, 0);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, 0.0);
    cairo_pattern_add_color_stop_rgba(p, 0.45, 1, 1, 1, 0.42);
    cairo_pattern_add_color_stop_rgba(p, 1, 1, 1, 1, 0.0);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_save(cr);
    cairo_translate(cr, dx + kCentreX + 58, dy + 250);
    cairo_rotate(cr, -0.2);
    cairo_scale(cr, 5, 18);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.22);
    cairo_fill(cr);
    // Darker glass towards the edges.
    for (int i = 0; i < 4; ++i) {
        InsidePath(cr, dx, dy, -i * 1.5);
        cairo_set_line_width(cr, 2);
        cairo_set_source_rgba(cr, 0.75, 0.85, 1.0, 0.16 - i * 0.035);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    // The glass wall itself.
    InsidePath(cr, dx, dy, 1.3);
    cairo_set_line_width(cr, 2.6);
    cairo_set_source_rgba(cr, 0.80, 0.90, 1.0, 0.85);
    cairo_stroke(cr);
}

// A polished brass band, lit from above.
void BrassBand(cairo_t* cr, double x, double y, double w, double h) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgb(p, 0, 1.0, 0.90, 0.55);
    cairo_pattern_add_color_stop_rgb(p, 0.5, 0.78, 0.52, 0.14);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.50, 0.30, 0.05);
    kit::RoundedRect(cr, x, y, w, h, 5);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void Cap(cairo_t* cr, double dx, double dy) {
    const double cx = dx + kCentreX;
    // Brass collar holding the glass.
    BrassBand(cr, cx - 54, dy + 141, 108, 13);
    // Violet dome with the filling chute.
    cairo_pattern_t* p = cairo_pattern_create_linear(cx - 44, 0, cx + 44, 0);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.30, 0.12, 0.50);
    cairo_pattern_add_color_stop_rgb(p, 0.35, 0.66, 0.40, 0.92);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.22, 0.08, 0.40);
    cairo_move_to(cr, cx - 44, dy + 143);
    cairo_curve_to(cr, cx - 40, dy + 122, cx - 20, dy + 118, cx, dy + 118);
    cairo_curve_to(cr, cx + 20, dy + 118, cx + 40, dy + 122, cx + 44, dy + 143);
    cairo_close_path(cr);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    cairo_set_line_width(cr, 1.5);
    cairo_set_source_rgba(cr, 0.1, 0.02, 0.2, 0.8);
    cairo_stroke(cr);
    kit::RoundedRect(cr, cx - 9, dy + 121, 18, 8, 3);
    cairo_set_source_rgb(cr, 0.08, 0.03, 0.15);
    cairo_fill(cr);
}

void Body(Canvas& canvas, double dx, double dy) {
    cairo_t* cr = canvas.Cr();
    const double cx = dx + kCentreX;
    // Brass floor ring under the glass.
    BrassBand(cr, cx - 62, dy + 301, 124, 15);
    // Violet body, widening to the feet.
    cairo_pattern_t* p = cairo_pattern_create_linear(cx - 75, 0, cx + 75, 0);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.26, 0.10, 0.44);
    cairo_pattern_add_color_stop_rgb(p, 0.3, 0.60, 0.36, 0.86);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.18, 0.06, 0.34);
    cairo_move_to(cr, cx - 56, dy + 315);
    cairo_line_to(cr, cx + 56, dy + 315);
    cairo_curve_to(cr, cx + 62, dy + 345, cx + 75, dy + 390, cx + 80, dy + 408);
    cairo_line_to(cr, cx - 80, dy + 408);
    cairo_curve_to(cr, cx - 75, dy + 390, cx - 62, dy + 345, cx - 56, dy + 315);
    cairo_close_path(cr);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    cairo_set_line_width(cr, 1.5);
    cairo_set_source_rgba(cr, 0.1, 0.02, 0.2, 0.8);
    cairo_stroke(cr);
    // Gold foot.
    p = cairo_pattern_create_linear(0, dy + 406, 0, dy + 418);
    cairo_pattern_add_color_stop_rgb(p, 0, 1.0, 0.88, 0.5);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.55, 0.34, 0.06);
    kit::RoundedRect(cr, cx - 88, dy + 405, 176, 13, 6);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    // The preview window with three slots for the next pieces.
    const double wx = dx + kPreviewX, wy = dy + kPreviewY;
    kit::RoundedRect(cr, wx - 47, wy - 18, 94, 36, 9);
    cairo_set_source_rgb(cr, 0.95, 0.80, 0.35);
    cairo_fill(cr);
    kit::RoundedRect(cr, wx - 45, wy - 16, 90, 32, 8);
    p = cairo_pattern_create_linear(0, wy - 16, 0, wy + 16);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.03, 0.02, 0.08);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.14, 0.10, 0.26);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    for (int i = -1; i <= 1; ++i) {
        cairo_arc(cr, wx + i * kPreviewGap, wy, 12.5, 0, 2 * M_PI);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.06);
        cairo_fill(cr);
    }
    // Three little lamps and a label plate.
    for (int i = -1; i <= 1; ++i) {
        const Rgba lamp = i == 0 ? Rgba{0.4, 1.0, 0.5} : Rgba{1.0, 0.75, 0.3};
        kit::Glow(cr, cx + i * 26, dy + 338, 9, lamp, 0.6);
        cairo_arc(cr, cx + i * 26, dy + 338, 3.5, 0, 2 * M_PI);
        kit::SetColour(cr, kit::Lighten(lamp, 0.4));
        cairo_fill(cr);
    }
}

}  // namespace

void DrawGlobe(Canvas& canvas, double dx, double dy, double fill, unsigned seed) {
    cairo_t* cr = canvas.Cr();
    EmptyInside(cr, dx, dy);
    Contents(canvas, dx, dy, fill, seed);
    GlassAndShine(cr, dx, dy);
}

void DrawMachine(Canvas& canvas, double dx, double dy, double fill, unsigned seed) {
    cairo_t* cr = canvas.Cr();
    kit::Glow(cr, dx + kCentreX, dy + 228, 120, {0.6, 0.4, 1.0}, 0.25);
    Body(canvas, dx, dy);
    DrawGlobe(canvas, dx, dy, fill, seed);
    Cap(cr, dx, dy);
}

}  // namespace quillox::assets::machine
