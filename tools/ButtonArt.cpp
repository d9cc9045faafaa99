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
    {"changeplayer", TrNoop("Change Player")},
    {"playgame", TrNoop("Play Game")},
    {"options", TrNoop("Options")},
    {"instructions", TrNoop("How To Play")},
    {"highscores", TrNoop("High Scores")},
    {"exitgame", TrNoop("Exit Game")},
    {"moregames", TrNoop("More Games")},
    {"resume", TrNoop("Resume")},
    {"saveandexit", TrNoop("Save & Exit")},
    {"OK", TrNoop("OK")},
    {"Yes", TrNoop("Yes")},
    {"Cancel", TrNoop("Cancel")},
    {"Add", TrNoop("Add")},
    {"Delete", TrNoop("Delete")},
    {"back", TrNoop("Back")},
    {"menu", TrNoop("Menu")},
    {"clear", TrNoop("Clear")},
    {"levelstats", TrNoop("Level Stats")},
    {"credits", TrNoop("Credits")},
    {"clickhere", TrNoop("Click to Start")},
    {"classic", TrNoop("Classic")},
    {"undo", TrNoop("Undo")},
    {"hint", TrNoop("Hint")},
    {"daily", TrNoop("Daily")},
    {"classicscores", TrNoop("Classic")},
    {"levelscores", TrNoop("Levels")},
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

// English draws with the bold face, a language with the script face where its captions need
// characters the bold face lacks.
struct Language {
    const Catalogue* catalogue = nullptr;  // null: English
    cairo_font_face_t* face = nullptr;

    std::string Tr(std::string_view english) const {
        return catalogue != nullptr ? catalogue->Tr(std::string(english)) : std::string(english);
    }
    std::string_view Code() const {
        return catalogue != nullptr ? std::string_view(catalogue->code) : std::string_view();
    }
};

// The largest size up to `size` at which the caption keeps a margin inside the button: a
// translator's wording should fit, and a caption that cannot fit at three quarters of the
// size fails the run.
double FittingSize(AssetWriter& out, cairo_t* cr, kit::TextStyle style, const std::string& text,
                   double width, const std::string& what) {
    const double full = style.size;
    while (kit::TextWidth(cr, style, text) > width && style.size > full * 0.75) style.size -= 0.5;
    if (kit::TextWidth(cr, style, text) > width) out.Fail("caption too wide: " + what);
    return style.size;
}

void TextButton(AssetWriter& out, std::string_view folder, const Label& label, bool hover,
                const Language& language) {
    const std::string name = std::string(label.name) + (hover ? "MO" : "");
    const ImageAsset& a = out.Image(folder, name);
    Canvas c(a.Width(), a.Height(), out.Scale());
    cairo_t* cr = c.Cr();
    Pill(cr, a.Width(), a.Height(), hover);
    const std::string text = language.Tr(label.text);
    kit::TextStyle style{
        language.face, std::min(a.Height() * 0.5, 24.0), {1, 1, 1}, {0.92, 0.9, 1.0}};
    // English keeps the pictures it always had.
    if (language.catalogue != nullptr) {
        style.size = FittingSize(out, cr, style, text, a.Width() - 2.0 * a.Height() / 3,
                                 std::string(language.Code()) + "/" + name);
    }
    if (hover) style.bottom = {1.0, 1.0, 0.85};
    style.outline = hover ? Rgba{0.45, 0.18, 0.0} : Rgba{0.16, 0.04, 0.30};
    style.outlineWidth = 2.2;
    style.shadow = 1.5;
    kit::DrawTextCentred(cr, style, text, a.Width() / 2.0, a.Height() / 2.0);
    out.Save(c, folder, name, language.Code());
}

// A switch: a lit green "ON" or a dark "OFF" with its knob at that end.
void Toggle(AssetWriter& out, const std::string& name, bool on, bool hover, bool small,
            const Language& language) {
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
        kit::TextStyle style{language.face, 18, {1, 1, 1}, {0.9, 0.9, 0.95}};
        style.outlineWidth = 1.8;
        style.outline = {0.05, 0.1, 0.05};
        style.shadow = 1;
        const double tx = on ? (4 + (w - 2 * r - 8) / 2) : (w - (w - 2 * r - 8) / 2 - 4);
        const std::string text = language.Tr(on ? TrNoop("ON") : TrNoop("OFF"));
        if (language.catalogue != nullptr) {
            style.size = FittingSize(out, cr, style, text, w - 2 * r - 8,
                                     std::string(language.Code()) + "/" + name);
        }
        kit::DrawTextCentred(cr, style, text, tx, h / 2);
    }
    out.Save(c, kMenus, name, language.Code());
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

// The face a language's captions draw with: the bold face when it holds all their characters.
cairo_font_face_t* CaptionFace(const AssetWriter& out, const Catalogue& catalogue) {
    FT_Face bold = out.Bold().Face();
    bool complete = true;
    for (const Label& label : kLabels) {
        for (int code : CodePoints(catalogue.Tr(std::string(label.text)))) {
            complete = complete && FT_Get_Char_Index(bold, static_cast<FT_ULong>(code)) != 0;
        }
    }
    if (complete || out.ScriptFallback() == nullptr) return out.Bold().CairoFace();
    return out.ScriptFallback()->CairoFace();
}

// One language's buttons; English's in the menu folder itself, another's in a folder named
// by its code, which the game reads first.
void LanguageButtons(AssetWriter& out, const Language& language) {
    for (const Label& label : kLabels) {
        for (bool hover : {false, true}) {
            TextButton(out, kMenus, label, hover, language);
            if (label.name == "clickhere") TextButton(out, kGraphics, label, hover, language);
        }
    }
    for (bool hover : {false, true}) {
        const std::string mo = hover ? "MO" : "";
        Toggle(out, "on" + mo, true, hover, false, language);
        Toggle(out, "off" + mo, false, hover, false, language);
    }
}

// The options' language row: a pill the game writes the language's name on.
void LanguagePill(AssetWriter& out) {
    for (bool hover : {false, true}) {
        const std::string name = hover ? "languageMO" : "language";
        const ImageAsset& a = out.Image(kMenus, name);
        Canvas c(a.Width(), a.Height(), out.Scale());
        Pill(c.Cr(), a.Width(), a.Height(), hover);
        out.Save(c, kMenus, name);
    }
}

}  // namespace

void GenerateButtons(AssetWriter& out) {
    // What each picture reads in English; the game looks up the player's language.
    std::string captions;
    for (const Label& label : kLabels) {
        captions += std::string(label.name) + "\t" + std::string(label.text) + "\n";
    }
    captions += "on\tON\noff\tOFF\n";
    out.SaveBytes(std::string(kMenus) + "/captions.txt", captions);
    LanguageButtons(out, {nullptr, out.Bold().CairoFace()});
    for (const Catalogue& catalogue : out.Languages()) {
        LanguageButtons(out, {&catalogue, CaptionFace(out, catalogue)});
    }
    for (bool hover : {false, true}) {
        const std::string mo = hover ? "MO" : "";
        Toggle(out, "on2" + mo, true, hover, true, {nullptr, out.Bold().CairoFace()});
        Toggle(out, "off2" + mo, false, hover, true, {nullptr, out.Bold().CairoFace()});
    }
    LanguagePill(out);
    Slider(out);
}

}  // namespace quillox::assets
