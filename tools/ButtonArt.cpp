// Buttons: glossy violet pills that warm to gold under the mouse, plus the toggles and the
// volume slider.
#include <cmath>
#include <string>

#include "DrawKit.h"
#include "Generators.h"

namespace quillox::assets {
namespace {

struct Label {
    std::string_view name;
    std::string_view text;
};

constexpr Label kLabels[] = {
    {"changeplayer", "Change Player"},
    {"playgame", "Play Game"},
    {"options", "Options"},
    {"instructions", "How To Play"},
    {"highscores", "High Scores"},
    {"exitgame", "Exit Game"},
    {"moregames", "More Games"},
    {"resume", "Resume"},
    {"saveandexit", "Save & Exit"},
    {"OK", "OK"},
    {"Yes", "Yes"},
    {"Cancel", "Cancel"},
    {"Add", "Add"},
    {"Delete", "Delete"},
    {"back", "Back"},
    {"menu", "Menu"},
    {"clear", "Clear"},
    {"levelstats", "Level Stats"},
    {"credits", "Credits"},
    {"clickhere", "Click to Start"},
};

void Pill(cairo_t* cr, double w, double h, bool hover) {
    const double r = h / 2 - 2;
    kit::RoundedRect(cr, 2, 2, w - 4, h - 4, r);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 2, 0, h - 2);
    if (hover) {
        cairo_pattern_add_color_stop_rgb(p, 0, 1.0, 0.86, 0.42);
        cairo_pattern_add_color_stop_rgb(p, 0.5, 0.98, 0.62, 0.12);
        cairo_pattern_add_color_stop_rgb(p, 1, 0.85, 0.42, 0.05);
    } else {
        cairo_pattern_add_color_stop_rgb(p, 0, 0.62, 0.40, 0.95);
        cairo_pattern_add_color_stop_rgb(p, 0.5, 0.42, 0.20, 0.78);
        cairo_pattern_add_color_stop_rgb(p, 1, 0.26, 0.10, 0.52);
    }
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    cairo_set_line_width(cr, 2.5);
    if (hover) {
        cairo_set_source_rgb(cr, 1.0, 0.97, 0.8);
    } else {
        cairo_set_source_rgb(cr, 0.95, 0.78, 0.35);
    }
    cairo_stroke(cr);
    // Glass highlight over the upper half.
    kit::RoundedRect(cr, 8, 5, w - 16, h * 0.42, r * 0.8);
    p = cairo_pattern_create_linear(0, 5, 0, 5 + h * 0.42);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, hover ? 0.6 : 0.45);
    cairo_pattern_add_color_stop_rgba(p, 1, 1, 1, 1, 0.04);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void TextButton(AssetWriter& out, std::string_view folder, const Label& label, bool hover) {
    const std::string name = std::string(label.name) + (hover ? "MO" : "");
    const ImageAsset& a = out.Image(folder, name);
    Canvas c(a.Width(), a.Height(), out.Scale());
    cairo_t* cr = c.Cr();
    Pill(cr, a.Width(), a.Height(), hover);
    const double size = std::min(a.Height() * 0.5, 24.0);
    kit::TextStyle style{out.Bold().CairoFace(), size, {1, 1, 1}, {0.92, 0.9, 1.0}};
    if (hover) style.bottom = {1.0, 1.0, 0.85};
    style.outline = hover ? Rgba{0.45, 0.18, 0.0} : Rgba{0.16, 0.04, 0.30};
    style.outlineWidth = 2.2;
    style.shadow = 1.5;
    kit::DrawTextCentred(cr, style, std::string(label.text), a.Width() / 2.0, a.Height() / 2.0);
    out.Save(c, folder, name);
}

// A switch: a lit green "ON" or a dark "OFF" with its knob at that end.
void Toggle(AssetWriter& out, const std::string& name, bool on, bool hover, bool small) {
    const ImageAsset& a = out.Image(kMenus, name);
    Canvas c(a.Width(), a.Height(), out.Scale());
    cairo_t* cr = c.Cr();
    const double w = a.Width(), h = a.Height(), r = h / 2 - 2;
    kit::RoundedRect(cr, 2, 2, w - 4, h - 4, r);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 2, 0, h - 2);
    if (on) {
        cairo_pattern_add_color_stop_rgb(p, 0, 0.45, 0.95, 0.5);
        cairo_pattern_add_color_stop_rgb(p, 1, 0.08, 0.55, 0.18);
    } else {
        cairo_pattern_add_color_stop_rgb(p, 0, 0.30, 0.24, 0.40);
        cairo_pattern_add_color_stop_rgb(p, 1, 0.12, 0.08, 0.20);
    }
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    cairo_set_line_width(cr, 2.5);
    if (hover) {
        cairo_set_source_rgb(cr, 1.0, 0.97, 0.75);
    } else {
        cairo_set_source_rgb(cr, 0.95, 0.78, 0.35);
    }
    cairo_stroke(cr);
    const double kr = r - 3;
    const double kx = on ? w - 4 - r : 4 + r;
    kit::Glow(cr, kx, h / 2, kr + 6, {1, 0.9, 0.5}, hover ? 0.7 : 0.0);
    cairo_arc(cr, kx, h / 2, kr, 0, 2 * M_PI);
    p = cairo_pattern_create_linear(0, h / 2 - kr, 0, h / 2 + kr);
    cairo_pattern_add_color_stop_rgb(p, 0, 1, 1, 1);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.75, 0.72, 0.82);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    if (!small) {
        kit::TextStyle style{out.Bold().CairoFace(), 18, {1, 1, 1}, {0.9, 0.9, 0.95}};
        style.outlineWidth = 1.8;
        style.outline = {0.05, 0.1, 0.05};
        style.shadow = 1;
        const double tx = on ? (4 + (w - 2 * r - 8) / 2) : (w - (w - 2 * r - 8) / 2 - 4);
        kit::DrawTextCentred(cr, style, on ? "ON" : "OFF", tx, h / 2);
    }
    out.Save(c, kMenus, name);
}

void Slider(AssetWriter& out) {
    const ImageAsset& a = out.Image(kGraphics, "slider");
    Canvas c(a.Width(), a.Height(), out.Scale());
    cairo_t* cr = c.Cr();
    const double w = a.Width(), h = a.Height();
    // The groove runs between the slider's side margins; a ramp of ticks shows loudness.
    kit::RoundedRect(cr, 12, h / 2 - 6, w - 24, 12, 6);
    cairo_set_source_rgba(cr, 0.02, 0.0, 0.08, 0.8);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 2);
    cairo_set_source_rgb(cr, 0.95, 0.78, 0.35);
    cairo_stroke(cr);
    for (int i = 0; i <= 10; ++i) {
        const double x = 20 + i * (w - 40) / 10;
        const double th = 3 + i * 0.6;
        cairo_rectangle(cr, x - 1, h / 2 + 8, 2, th);
        cairo_rectangle(cr, x - 1, h / 2 - 8 - th, 2, th);
        cairo_set_source_rgba(cr, 1, 0.9, 0.6, 0.5);
        cairo_fill(cr);
    }
    out.Save(c, kGraphics, "slider");
    const ImageAsset& d = out.Image(kGraphics, "sliderdot");
    Canvas k(d.Width(), d.Height(), out.Scale());
    cairo_t* kc = k.Cr();
    const double r = d.Width() / 2.0 - 3;
    cairo_arc(kc, d.Width() / 2.0 + 1, d.Height() / 2.0 + 2, r, 0, 2 * M_PI);
    cairo_set_source_rgba(kc, 0, 0, 0, 0.35);
    cairo_fill(kc);
    cairo_arc(kc, d.Width() / 2.0, d.Height() / 2.0, r, 0, 2 * M_PI);
    cairo_pattern_t* p = cairo_pattern_create_radial(d.Width() / 2.0 - 4, d.Height() / 2.0 - 5, 1,
                                                     d.Width() / 2.0, d.Height() / 2.0, r);
    cairo_pattern_add_color_stop_rgb(p, 0, 1.0, 0.98, 0.8);
    cairo_pattern_add_color_stop_rgb(p, 0.6, 1.0, 0.72, 0.18);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.7, 0.38, 0.02);
    cairo_set_source(kc, p);
    cairo_fill_preserve(kc);
    cairo_pattern_destroy(p);
    cairo_set_line_width(kc, 1.5);
    cairo_set_source_rgb(kc, 0.4, 0.2, 0.0);
    cairo_stroke(kc);
    out.Save(k, kGraphics, "sliderdot");
}

}  // namespace

void GenerateButtons(AssetWriter& out) {
    for (const Label& label : kLabels) {
        for (bool hover : {false, true}) {
            TextButton(out, kMenus, label, hover);
            if (label.name == "clickhere") TextButton(out, kGraphics, label, hover);
        }
    }
    for (bool hover : {false, true}) {
        const std::string mo = hover ? "MO" : "";
        Toggle(out, "on" + mo, true, hover, false);
        Toggle(out, "off" + mo, false, hover, false);
        Toggle(out, "on2" + mo, true, hover, true);
        Toggle(out, "off2" + mo, false, hover, true);
    }
    Slider(out);
}

}  // namespace quillox::assets
