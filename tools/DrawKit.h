// Drawing helpers shared by every family of pictures: shapes, gradients, lettering and the
// common look (deep violet night, gold trim, frosted glass panels).
#pragma once

#include <cairo.h>

#include <string>

#include "Canvas.h"

namespace quillox::assets::kit {

// The house colours.
inline constexpr Rgba kGold{1.0, 0.80, 0.30};
inline constexpr Rgba kGoldDark{0.55, 0.36, 0.08};
inline constexpr Rgba kInk{0.07, 0.04, 0.16};
inline constexpr Rgba kCream{1.0, 0.98, 0.90};

void SetColour(cairo_t* cr, const Rgba& c, double alphaScale = 1.0);
Rgba Mix(const Rgba& a, const Rgba& b, double t);
Rgba Lighten(const Rgba& c, double t);
Rgba Darken(const Rgba& c, double t);
Rgba Hsv(double hue, double sat, double val);

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
void Star(cairo_t* cr, double cx, double cy, double outer, double inner, int points,
          double rotation);

// Vertical gradient over a rectangle.
void FillVertical(cairo_t* cr, double x, double y, double w, double h, const Rgba& top,
                  const Rgba& bottom);
// Radial glow, full colour at the centre fading to nothing at the radius.
void Glow(cairo_t* cr, double cx, double cy, double radius, const Rgba& c, double alpha);

// A frosted, gold-rimmed panel with a soft drop shadow.
void Panel(cairo_t* cr, double x, double y, double w, double h, double r, double opacity);
// The night backdrop shared by every screen; tint shifts it (0 violet, 1 crimson).
void Backdrop(Canvas& canvas, unsigned seed, double tint);

// Lettering with a dark outline and a vertical gradient fill. align: 0 left, 1 centre.
struct TextStyle {
    cairo_font_face_t* face;
    double size;
    Rgba top;
    Rgba bottom;
    Rgba outline{0.10, 0.04, 0.18};
    double outlineWidth = 3.0;
    double shadow = 2.0;
};
double TextWidth(cairo_t* cr, const TextStyle& style, const std::string& text);
void DrawText(cairo_t* cr, const TextStyle& style, const std::string& text, double x,
              double baseline, int align);
// Text centred on (cx, cy) both ways.
void DrawTextCentred(cairo_t* cr, const TextStyle& style, const std::string& text, double cx,
                     double cy);

}  // namespace quillox::assets::kit
