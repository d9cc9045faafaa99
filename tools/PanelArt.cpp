// Boxes, pointers, headers and the loading screen's parts.
#include <algorithm>
#include <cmath>
#include <string>

#include "Catalogues.h"
#include "DrawKit.h"
#include "Generators.h"
#include "PieceArt.h"

namespace quillox::assets {
namespace {

// A dialog's box. Dialogs stand over busy screens, so the box is solid: the panel's own glassy
// fill is laid on an opaque base. The game adds its own drop shadow, so the box fills its
// picture.
void DialogPanel(cairo_t* cr, double w, double h, double radius) {
    kit::RoundedRect(cr, 3, 3, w - 6, h - 6, radius);
    cairo_set_source_rgb(cr, 0.09, 0.05, 0.20);
    cairo_fill(cr);
    kit::Panel(cr, 2, 2, w - 4, h - 4, radius, 1.0);
}

void Box(AssetWriter& out, std::string_view name) {
    const ImageAsset& a = out.Image(kGraphics, name);
    Canvas c(a.Width(), a.Height(), out.Scale());
    DialogPanel(c.Cr(), a.Width(), a.Height(), 18);
    out.Save(c, kGraphics, name);
}

// The list of players sits in a recessed well between the caption and the buttons: the game
// puts the list's top 78 pixels into the picture and the buttons 366 pixels down.
void PlayersBox(AssetWriter& out) {
    const ImageAsset& a = out.Image(kGraphics, "players");
    Canvas c(a.Width(), a.Height(), out.Scale());
    cairo_t* cr = c.Cr();
    DialogPanel(cr, a.Width(), a.Height(), 20);
    kit::RoundedRect(cr, 40, 70, a.Width() - 80, 280, 12);
    cairo_set_source_rgba(cr, 0.02, 0.0, 0.08, 0.55);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.5);
    cairo_set_source_rgba(cr, 1, 0.85, 0.5, 0.35);
    cairo_stroke(cr);
    out.Save(c, kGraphics, "players");
}

// The tutorial's speech box: flat cream so that the pointer laid over it blends in.
void Hint(AssetWriter& out) {
    const ImageAsset& a = out.Image(kGraphics, "hint");
    Canvas c(a.Width(), a.Height(), out.Scale());
    cairo_t* cr = c.Cr();
    kit::RoundedRect(cr, 4, 5, a.Width() - 6, a.Height() - 6, 14);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.3);
    cairo_fill(cr);
    kit::RoundedRect(cr, 1.5, 1.5, a.Width() - 6, a.Height() - 6, 14);
    cairo_set_source_rgb(cr, 1.0, 0.97, 0.86);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 3);
    cairo_set_source_rgb(cr, 0.85, 0.58, 0.16);
    cairo_stroke(cr);
    out.Save(c, kGraphics, "hint");
}

// A chunky arrow whose tip is the top-left corner; the game mirrors it as needed.
void HintPointer(AssetWriter& out) {
    const ImageAsset& a = out.Image(kGraphics, "hintp");
    Canvas c(a.Width(), a.Height(), out.Scale());
    cairo_t* cr = c.Cr();
    cairo_save(cr);
    cairo_translate(cr, 2, 2);
    cairo_rotate(cr, std::atan2(0.82, 1.0));
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, 20, -13);
    cairo_line_to(cr, 20, -5.5);
    cairo_line_to(cr, 52, -5.5);
    cairo_line_to(cr, 52, 5.5);
    cairo_line_to(cr, 20, 5.5);
    cairo_line_to(cr, 20, 13);
    cairo_close_path(cr);
    cairo_restore(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 3);
    cairo_set_source_rgb(cr, 0.6, 0.35, 0.05);
    cairo_stroke_preserve(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 40, 40);
    cairo_pattern_add_color_stop_rgb(p, 0, 1.0, 0.95, 0.6);
    cairo_pattern_add_color_stop_rgb(p, 1, 1.0, 0.7, 0.15);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    out.Save(c, kGraphics, "hintp");
}

// Four diagonal arrows: up-left, down-left, up-right, down-right; the tip in that corner.
void Arrows(AssetWriter& out) {
    const ImageAsset& a = out.Image(kGraphics, "arrows");
    Canvas c(a.Width(), a.Height(), out.Scale());
    cairo_t* cr = c.Cr();
    const int dirs[][2] = {{-1, -1}, {-1, 1}, {1, -1}, {1, 1}};
    for (int f = 0; f < a.frames; ++f) {
        const double cx = f * a.cellWidth + a.cellWidth / 2.0, cy = a.cellHeight / 2.0;
        const double tx = cx + dirs[f][0] * (a.cellWidth / 2.0 - 5);
        const double ty = cy + dirs[f][1] * (a.cellHeight / 2.0 - 5);
        const double ang = std::atan2(cy - ty, cx - tx);
        const double len = std::hypot(cx - tx, cy - ty) * 1.85;
        cairo_save(cr);
        cairo_translate(cr, tx, ty);
        cairo_rotate(cr, ang);
        cairo_move_to(cr, 0, 0);
        cairo_line_to(cr, 30, -20);
        cairo_line_to(cr, 30, -8);
        cairo_line_to(cr, len, -8);
        cairo_line_to(cr, len, 8);
        cairo_line_to(cr, 30, 8);
        cairo_line_to(cr, 30, 20);
        cairo_close_path(cr);
        cairo_restore(cr);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_set_line_width(cr, 4);
        cairo_set_source_rgb(cr, 0.35, 0.1, 0.02);
        cairo_stroke_preserve(cr);
        cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, a.cellHeight);
        cairo_pattern_add_color_stop_rgb(p, 0, 1.0, 0.95, 0.5);
        cairo_pattern_add_color_stop_rgb(p, 1, 1.0, 0.5, 0.1);
        cairo_set_source(cr, p);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
    }
    out.Save(c, kGraphics, "arrows");
}

// The drawn mouse pointer; its hot spot is the top-left pixel.
void Pointer(AssetWriter& out) {
    const ImageAsset& a = out.Image(kGraphics, "pointer");
    Canvas c(a.Width(), a.Height(), out.Scale());
    cairo_t* cr = c.Cr();
    auto shape = [&](double dx, double dy) {
        cairo_new_path(cr);
        cairo_move_to(cr, 1.5 + dx, 1.5 + dy);
        cairo_line_to(cr, 1.5 + dx, 23 + dy);
        cairo_line_to(cr, 7 + dx, 18 + dy);
        cairo_line_to(cr, 11 + dx, 27 + dy);
        cairo_line_to(cr, 15 + dx, 25 + dy);
        cairo_line_to(cr, 11 + dx, 16.5 + dy);
        cairo_line_to(cr, 18.5 + dx, 16.5 + dy);
        cairo_close_path(cr);
    };
    shape(2, 2);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
    cairo_fill(cr);
    shape(0, 0);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 2);
    cairo_set_source_rgb(cr, 0.2, 0.05, 0.3);
    cairo_stroke_preserve(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, 26);
    cairo_pattern_add_color_stop_rgb(p, 0, 1.0, 0.98, 0.8);
    cairo_pattern_add_color_stop_rgb(p, 1, 1.0, 0.72, 0.2);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    out.Save(c, kGraphics, "pointer");
}

void Paused(AssetWriter& out) {
    const ImageAsset& a = out.Image(kGraphics, "paused");
    for (const Catalogue* language : out.Wordings()) {
        const auto tr = [language](const char* english) {
            return language != nullptr ? language->Tr(english) : std::string(english);
        };
        const std::string title = tr(TrNoop("Paused"));
        const std::string hint = tr(TrNoop("Click or press P to carry on"));
        Canvas c(a.Width(), a.Height(), out.Scale());
        cairo_t* cr = c.Cr();
        kit::Panel(cr, 4, 4, a.Width() - 10, a.Height() - 10, 22, 1.0);
        kit::TextStyle big{out.FaceFor(title), 50, {1, 0.97, 0.75}, {1.0, 0.65, 0.15}};
        big.outlineWidth = 3;
        kit::DrawTextCentred(cr, big, title, a.Width() / 2.0, 52);
        kit::TextStyle small{out.FaceFor(hint), 17, {1, 1, 1}, {0.85, 0.85, 0.95}};
        small.outlineWidth = 0;
        small.shadow = 1.5;
        if (kit::TextWidth(cr, small, hint) > a.Width() - 24) out.Fail("too wide: paused " + hint);
        kit::DrawTextCentred(cr, small, hint, a.Width() / 2.0, 98);
        out.Save(c, kGraphics, "paused", language != nullptr ? language->code : "");
    }
}

void Bar(AssetWriter& out, std::string_view name, bool full) {
    const ImageAsset& a = out.Image(kGraphics, name);
    Canvas c(a.Width(), a.Height(), out.Scale());
    cairo_t* cr = c.Cr();
    const double w = a.Width(), h = a.Height();
    kit::RoundedRect(cr, 1, 1, w - 2, h - 2, h / 2 - 1);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, h);
    if (full) {
        cairo_pattern_add_color_stop_rgb(p, 0, 1.0, 0.95, 0.6);
        cairo_pattern_add_color_stop_rgb(p, 0.5, 1.0, 0.68, 0.12);
        cairo_pattern_add_color_stop_rgb(p, 1, 0.8, 0.4, 0.05);
    } else {
        cairo_pattern_add_color_stop_rgb(p, 0, 0.04, 0.02, 0.10);
        cairo_pattern_add_color_stop_rgb(p, 1, 0.18, 0.12, 0.32);
    }
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    cairo_set_line_width(cr, 2);
    cairo_set_source_rgb(cr, 0.95, 0.78, 0.35);
    cairo_stroke(cr);
    if (full) {
        kit::RoundedRect(cr, 8, 4, w - 16, h * 0.32, h * 0.16);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.45);
        cairo_fill(cr);
    }
    out.Save(c, kGraphics, name);
}

// A caption picture in English and in each language that words it otherwise.
void Caption(AssetWriter& out, std::string_view name, const char* english, double size,
             const Rgba& top, const Rgba& bottom) {
    const ImageAsset& a = out.Image(kGraphics, name);
    for (const Catalogue* language : out.Wordings()) {
        const std::string text = language != nullptr ? language->Tr(english) : english;
        if (language != nullptr && text == english) continue;
        Canvas c(a.Width(), a.Height(), out.Scale());
        kit::TextStyle style{out.FaceFor(text), size, top, bottom};
        style.outlineWidth = size / 14;
        style.shadow = size / 18;
        // As wide as the English at most, which was drawn to fit.
        if (kit::TextWidth(c.Cr(), style, text) >
            std::max<double>(a.Width(), kit::TextWidth(c.Cr(), style, english))) {
            out.Fail("caption too wide: " + std::string(name) + " " + text);
        }
        kit::DrawTextCentred(c.Cr(), style, text, a.Width() / 2.0, a.Height() / 2.0);
        out.Save(c, kGraphics, name, language != nullptr ? language->code : "");
    }
}

// The maker's logo for the optional splash screen.
void MakerLogo(AssetWriter& out) {
    const ImageAsset& a = out.Image("", "bexholt");
    Canvas c(a.Width(), a.Height(), out.Scale());
    cairo_t* cr = c.Cr();
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_paint(cr);
    for (int i = 0; i < 3; ++i) {
        pieces::DrawPiece(c, 150 + i * 50, 70, 20, 2 + i * 2, false);
    }
    kit::TextStyle style{out.Bold().CairoFace(), 40, {1, 1, 1}, {0.8, 0.8, 0.9}};
    style.outlineWidth = 0;
    kit::DrawTextCentred(cr, style, "Bexholt", 200, 145);
    out.Save(c, "", "bexholt");
}

}  // namespace

void GeneratePanels(AssetWriter& out) {
    Box(out, "dialog");
    Box(out, "help");
    PlayersBox(out);
    Hint(out);
    HintPointer(out);
    Arrows(out);
    Pointer(out);
    Paused(out);
    Bar(out, "loadingbar", true);
    Bar(out, "loadingbar.empty", false);
    Caption(out, "loading", TrNoop("Loading..."), 28, {1, 1, 1}, {0.85, 0.85, 1.0});
    Caption(out, "levelcomplete", TrNoop("Level Complete!"), 60, {1, 0.98, 0.7}, {1.0, 0.6, 0.1});
    Caption(out, "gameover", TrNoop("Game Over"), 64, {1.0, 0.85, 0.8}, {0.95, 0.2, 0.15});
    Caption(out, "gamefinished", TrNoop("You Did It!"), 64, {0.85, 1.0, 0.8}, {0.2, 0.8, 0.3});
    MakerLogo(out);
}

}  // namespace quillox::assets
