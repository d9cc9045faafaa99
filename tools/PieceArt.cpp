#include "PieceArt.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "DrawKit.h"

namespace quillox::assets::pieces {
namespace {

using ColourAt = std::function<Rgba(double nx, double ny)>;

// Lit from the upper left: diffuse shading, a sharp specular spot, a soft bounce light along
// the lower rim and a darker edge, sampled 4x4 per pixel for clean edges.
void ShadeSphere(Canvas& canvas, double cx, double cy, double radius, const ColourAt& colourAt,
                 double specular) {
    const double lx = -0.45, ly = -0.60, lz = 0.66;
    // Walked texel by texel, so a canvas of a finer scale gets a finer sphere.
    const double scale = canvas.Scale();
    const int x0 = static_cast<int>(std::floor((cx - radius - 1) * scale));
    const int x1 = static_cast<int>(std::ceil((cx + radius + 1) * scale));
    const int y0 = static_cast<int>(std::floor((cy - radius - 1) * scale));
    const int y1 = static_cast<int>(std::ceil((cy + radius + 1) * scale));
    constexpr int kSub = 4;
    for (int py = y0; py <= y1; ++py) {
        for (int px = x0; px <= x1; ++px) {
            double r = 0, g = 0, b = 0;
            int inside = 0;
            for (int sy = 0; sy < kSub; ++sy) {
                for (int sx = 0; sx < kSub; ++sx) {
                    const double nx = ((px + (sx + 0.5) / kSub) / scale - cx) / radius;
                    const double ny = ((py + (sy + 0.5) / kSub) / scale - cy) / radius;
                    const double d2 = nx * nx + ny * ny;
                    if (d2 > 1.0) continue;
                    ++inside;
                    const double nz = std::sqrt(1.0 - d2);
                    const double diffuse = std::max(0.0, nx * lx + ny * ly + nz * lz);
                    // Reflection of the light about the normal, against a viewer on +z.
                    const double dot = nx * lx + ny * ly + nz * lz;
                    const double rz = 2 * dot * nz - lz;
                    const double glint = std::pow(std::max(0.0, rz), 60.0) * specular;
                    const double bounce = std::pow(std::max(0.0, ny), 3.0) * (1 - nz) * 0.55;
                    const double edge = 1.0 - 0.35 * std::pow(1.0 - nz, 2.5);
                    const Rgba base = colourAt(nx, ny);
                    const double shade = (0.30 + 0.85 * diffuse) * edge;
                    r += std::min(1.0, base.r * shade + bounce * (base.r * 0.6 + 0.25) + glint);
                    g += std::min(1.0, base.g * shade + bounce * (base.g * 0.6 + 0.25) + glint);
                    b += std::min(1.0, base.b * shade + bounce * (base.b * 0.6 + 0.25) + glint);
                }
            }
            if (inside == 0) continue;
            const Rgba c{r / inside, g / inside, b / inside, inside / double(kSub * kSub)};
            // Blend over whatever is already there.
            const Rgba under = canvas.Texel(px, py);
            const double a = c.a + under.a * (1 - c.a);
            if (a <= 0) continue;
            canvas.SetTexel(px, py,
                            {(c.r * c.a + under.r * under.a * (1 - c.a)) / a,
                             (c.g * c.a + under.g * under.a * (1 - c.a)) / a,
                             (c.b * c.a + under.b * under.a * (1 - c.a)) / a, a});
        }
    }
}

// The candy-coat window of reflected sky over the top of the sphere.
void Gloss(cairo_t* cr, double cx, double cy, double radius, double strength) {
    cairo_save(cr);
    cairo_translate(cr, cx - radius * 0.08, cy - radius * 0.42);
    cairo_scale(cr, radius * 0.62, radius * 0.40);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, cy - radius * 0.85, 0, cy);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, 0.85 * strength);
    cairo_pattern_add_color_stop_rgba(p, 1, 1, 1, 1, 0.0);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void EmptyWell(cairo_t* cr, double cx, double cy, double radius) {
    cairo_pattern_t* p = cairo_pattern_create_radial(cx - radius * 0.2, cy - radius * 0.25, 0, cx,
                                                     cy, radius * 0.78);
    cairo_pattern_add_color_stop_rgba(p, 0, 0.0, 0.0, 0.05, 0.05);
    cairo_pattern_add_color_stop_rgba(p, 0.8, 0.0, 0.0, 0.05, 0.16);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.0, 0.0, 0.05, 0.24);
    cairo_arc(cr, cx, cy, radius * 0.78, 0, 2 * M_PI);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    // A faint lit lower lip.
    cairo_arc(cr, cx, cy, radius * 0.78, 0.15 * M_PI, 0.85 * M_PI);
    cairo_set_line_width(cr, std::max(1.0, radius * 0.06));
    cairo_set_source_rgba(cr, 1, 1, 1, 0.10);
    cairo_stroke(cr);
}

// Symbols on the small preview pieces fill more of the sphere, or the star, diamond and heart
// blur into one blot at 24 pixels.
double SymbolSize(double radius) {
    return radius * (radius < 14 ? 1.2 : 0.9);
}

}  // namespace

Rgba FlavourColour(int value) {
    switch (value) {
        case 2:
            return {0.90, 0.10, 0.12};  // red
        case 3:
            return {1.00, 0.55, 0.05};  // orange
        case 4:
            return {1.00, 0.90, 0.15};  // yellow (light)
        case 5:
            return {0.18, 0.72, 0.20};  // green
        case 6:
            return {0.12, 0.32, 0.95};  // blue (dark)
        case 7:
            return {0.55, 0.18, 0.80};  // purple (dark)
        case 8:
            return {0.30, 0.88, 1.00};  // sky (light)
        case 9:
            return {1.00, 0.45, 0.78};  // pink
        case 10:
            return {0.96, 0.96, 0.93};  // pearl (lightest)
        default:
            return {0.5, 0.5, 0.5};
    }
}

void DrawSphere(Canvas& canvas, double cx, double cy, double radius, const Rgba& colour) {
    ShadeSphere(
        canvas, cx, cy, radius, [&](double, double) { return colour; }, 0.9);
    Gloss(canvas.Cr(), cx, cy, radius, 0.9);
}

void DrawPiece(Canvas& canvas, double cx, double cy, double radius, int value, bool withSymbol) {
    cairo_t* cr = canvas.Cr();
    if (value == kEmpty || value == kReserved) {
        EmptyWell(cr, cx, cy, radius);
        return;
    }
    if (value == kBlackjack) {
        // Gunmetal black with a steel band: plainly not a flavour.
        ShadeSphere(
            canvas, cx, cy, radius,
            [](double, double) {
                return Rgba{0.16, 0.16, 0.19};
            },
            1.0);
        cairo_save(cr);
        cairo_arc(cr, cx, cy, radius * 0.98, 0, 2 * M_PI);
        cairo_clip(cr);
        cairo_set_line_width(cr, std::max(1.0, radius * 0.16));
        cairo_move_to(cr, cx - radius, cy + radius * 0.05);
        cairo_curve_to(cr, cx - radius * 0.4, cy + radius * 0.35, cx + radius * 0.4,
                       cy + radius * 0.35, cx + radius, cy + radius * 0.05);
        cairo_set_source_rgba(cr, 0.62, 0.64, 0.70, 0.85);
        cairo_stroke(cr);
        cairo_restore(cr);
        // Rivets along the band.
        for (int i = -1; i <= 1; ++i) {
            const double rx = cx + i * radius * 0.45;
            const double ry = cy + radius * 0.05 + radius * 0.24 * (1 - std::abs(i) * 0.35);
            cairo_arc(cr, rx, ry, std::max(0.8, radius * 0.07), 0, 2 * M_PI);
            cairo_set_source_rgba(cr, 0.85, 0.87, 0.92, 0.9);
            cairo_fill(cr);
        }
        Gloss(cr, cx, cy, radius, 0.55);
        return;
    }
    if (value == kRainbow) {
        ShadeSphere(
            canvas, cx, cy, radius,
            [](double nx, double ny) {
                const double hue = std::atan2(ny, nx) / (2 * M_PI) + 0.5;
                const double r = std::sqrt(nx * nx + ny * ny);
                return kit::Mix(kit::Hsv(hue, 0.95, 1.0), {1, 1, 1}, 0.25 * (1 - r));
            },
            0.9);
        Gloss(cr, cx, cy, radius, 0.8);
        if (withSymbol) DrawSymbol(cr, value, cx, cy + radius * 0.08, SymbolSize(radius));
        return;
    }
    DrawSphere(canvas, cx, cy, radius, FlavourColour(value));
    if (withSymbol) DrawSymbol(cr, value, cx, cy + radius * 0.08, SymbolSize(radius));
}

void DrawSymbol(cairo_t* cr, int value, double cx, double cy, double size) {
    const double s = size / 2;
    cairo_save(cr);
    cairo_new_path(cr);
    switch (value) {
        case 2:  // circle
            cairo_arc(cr, cx, cy, s * 0.62, 0, 2 * M_PI);
            break;
        case 3:  // square
            cairo_rectangle(cr, cx - s * 0.55, cy - s * 0.55, s * 1.1, s * 1.1);
            break;
        case 4:  // triangle
            cairo_move_to(cr, cx, cy - s * 0.75);
            cairo_line_to(cr, cx + s * 0.72, cy + s * 0.55);
            cairo_line_to(cr, cx - s * 0.72, cy + s * 0.55);
            cairo_close_path(cr);
            break;
        case 5:  // star
            kit::Star(cr, cx, cy + s * 0.05, s * 0.82, s * 0.36, 5, 0);
            break;
        case 6:  // plus
            cairo_rectangle(cr, cx - s * 0.22, cy - s * 0.72, s * 0.44, s * 1.44);
            cairo_rectangle(cr, cx - s * 0.72, cy - s * 0.22, s * 1.44, s * 0.44);
            break;
        case 7:  // diamond
            cairo_move_to(cr, cx, cy - s * 0.8);
            cairo_line_to(cr, cx + s * 0.58, cy);
            cairo_line_to(cr, cx, cy + s * 0.8);
            cairo_line_to(cr, cx - s * 0.58, cy);
            cairo_close_path(cr);
            break;
        case 8: {  // cross
            const double a = s * 0.62, t = s * 0.24;
            cairo_move_to(cr, cx - a, cy - a + t);
            cairo_line_to(cr, cx - a + t, cy - a);
            cairo_line_to(cr, cx, cy - t);
            cairo_line_to(cr, cx + a - t, cy - a);
            cairo_line_to(cr, cx + a, cy - a + t);
            cairo_line_to(cr, cx + t, cy);
            cairo_line_to(cr, cx + a, cy + a - t);
            cairo_line_to(cr, cx + a - t, cy + a);
            cairo_line_to(cr, cx, cy + t);
            cairo_line_to(cr, cx - a + t, cy + a);
            cairo_line_to(cr, cx - a, cy + a - t);
            cairo_line_to(cr, cx - t, cy);
            cairo_close_path(cr);
            break;
        }
        case 9:  // heart
            cairo_move_to(cr, cx, cy + s * 0.72);
            cairo_curve_to(cr, cx - s * 1.05, cy - s * 0.05, cx - s * 0.55, cy - s * 0.95, cx,
                           cy - s * 0.35);
            cairo_curve_to(cr, cx + s * 0.55, cy - s * 0.95, cx + s * 1.05, cy - s * 0.05, cx,
                           cy + s * 0.72);
            cairo_close_path(cr);
            break;
        case 10:  // ring
            cairo_arc(cr, cx, cy, s * 0.66, 0, 2 * M_PI);
            cairo_new_sub_path(cr);
            cairo_arc_negative(cr, cx, cy, s * 0.32, 2 * M_PI, 0);
            break;
        case kRainbow:  // eight-pointed burst: any flavour
            kit::Star(cr, cx, cy, s * 0.8, s * 0.3, 8, 0);
            break;
        default:
            cairo_restore(cr);
            return;
    }
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, std::max(1.2, size * 0.11));
    cairo_set_source_rgba(cr, 1, 1, 1, 0.95);
    cairo_stroke_preserve(cr);
    cairo_set_source_rgba(cr, 0.05, 0.03, 0.10, 0.92);
    cairo_fill(cr);
    cairo_restore(cr);
}

}  // namespace quillox::assets::pieces
