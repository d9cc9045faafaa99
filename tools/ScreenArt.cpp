// The 800x600 backgrounds and the title ring.
#include <cmath>
#include <string>

#include "DrawKit.h"
#include "Generators.h"
#include "MachineArt.h"
#include "PieceArt.h"
#include "Rng.h"

namespace quillox::assets {
namespace {

constexpr double kBoardX = 234, kBoardY = 30, kCell = 60;

// A picture written earlier in the run, for reuse in a background.
void PasteFrame(AssetWriter& out, Canvas& target, std::string_view name, int frame, double cx,
                double cy) {
    const ImageAsset& a = out.Image(kGraphics, name);
    // The picture written at this canvas's scale: pasted at its size in picture pixels.
    const std::string path = out.PathOf(kGraphics, name);
    cairo_surface_t* s = cairo_image_surface_create_from_png(path.c_str());
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
        out.Fail("cannot read back " + path);
        cairo_surface_destroy(s);
        return;
    }
    cairo_surface_set_device_scale(s, target.Scale(), target.Scale());
    cairo_t* cr = target.Cr();
    cairo_save(cr);
    const double x = cx - a.cellWidth / 2.0, y = cy - a.cellHeight / 2.0;
    cairo_rectangle(cr, x, y, a.cellWidth, a.cellHeight);
    cairo_clip(cr);
    cairo_set_source_surface(cr, s, x - frame * a.cellWidth, y);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_destroy(s);
}

void Logo(AssetWriter& out, cairo_t* cr, double cx, double cy, double size) {
    kit::TextStyle style{out.Bold().CairoFace(), size, {1.0, 0.97, 0.72}, {1.0, 0.55, 0.12}};
    style.outline = {0.22, 0.05, 0.32};
    style.outlineWidth = size / 14;
    style.shadow = size / 16;
    kit::Glow(cr, cx, cy, size * 2.6, {0.9, 0.5, 1.0}, 0.25);
    kit::DrawTextCentred(cr, style, "Quillox", cx, cy);
}

void Board(Canvas& c) {
    cairo_t* cr = c.Cr();
    kit::Panel(cr, kBoardX - 10, kBoardY - 10, 9 * kCell + 20, 9 * kCell + 20, 16, 1.0);
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x) {
            const double px = kBoardX + x * kCell, py = kBoardY + y * kCell;
            kit::RoundedRect(cr, px + 2, py + 2, kCell - 4, kCell - 4, 9);
            cairo_pattern_t* p = cairo_pattern_create_linear(0, py, 0, py + kCell);
            const double lift = ((x + y) % 2 == 0) ? 0.035 : 0.0;
            cairo_pattern_add_color_stop_rgb(p, 0, 0.20 + lift, 0.14 + lift, 0.36 + lift);
            cairo_pattern_add_color_stop_rgb(p, 1, 0.13 + lift, 0.08 + lift, 0.26 + lift);
            cairo_set_source(cr, p);
            cairo_fill_preserve(cr);
            cairo_pattern_destroy(p);
            cairo_set_line_width(cr, 1);
            cairo_set_source_rgba(cr, 1, 1, 1, 0.07);
            cairo_stroke(cr);
        }
    }
}

// Play-screen furniture around the machine: left column, token sockets, score plate.
void LeftColumn(Canvas& c, double fill, unsigned seed) {
    cairo_t* cr = c.Cr();
    kit::Panel(cr, 8, 10, 212, 580, 18, 0.85);
    const double sockets[][2] = {{59, 88}, {114, 65}, {169, 88}};
    for (const auto& s : sockets) {
        cairo_arc(cr, s[0], s[1], 31, 0, 2 * M_PI);
        cairo_set_source_rgba(cr, 0.02, 0.0, 0.06, 0.6);
        cairo_fill(cr);
        cairo_arc(cr, s[0], s[1], 31, 0.1 * M_PI, 0.9 * M_PI);
        cairo_set_line_width(cr, 1.5);
        cairo_set_source_rgba(cr, 1, 0.85, 0.5, 0.35);
        cairo_stroke(cr);
    }
    machine::DrawMachine(c, 0, 0, fill, seed);
    // Score and level plate: text is drawn over it by the game.
    kit::RoundedRect(cr, 22, 430, 184, 80, 12);
    cairo_set_source_rgba(cr, 0.02, 0.0, 0.08, 0.55);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.5);
    cairo_set_source_rgba(cr, 1, 0.85, 0.5, 0.4);
    cairo_stroke(cr);
}

void GameBoard(AssetWriter& out) {
    Canvas c(800, 600, out.Scale());
    kit::Backdrop(c, 3, 0);
    LeftColumn(c, machine::kFullFill, 5);
    Board(c);
    out.Save(c, kGraphics, "GameBoard");
}

// The board as the instructions explain it: a piece at (8, 4) walled in so that exactly the
// cells the help text lights up are reachable, a rainbow at (7, 7), a blackjack at (1, 6).
void InstructionsBoard(AssetWriter& out) {
    Canvas c(800, 600, out.Scale());
    kit::Backdrop(c, 3, 0);
    LeftColumn(c, 62, 9);
    Board(c);
    const int cells[][3] = {{8, 4, 6}, {3, 0, 2}, {6, 0, 4},  {8, 0, 5}, {3, 1, 3}, {4, 2, 6},
                            {7, 2, 2}, {8, 2, 4}, {4, 3, 5},  {5, 4, 3}, {6, 4, 2}, {7, 4, 5},
                            {8, 5, 3}, {1, 6, 1}, {7, 7, 11}, {0, 2, 4}, {2, 4, 6}, {1, 8, 2},
                            {4, 7, 3}, {5, 8, 4}, {2, 6, 5},  {0, 7, 6}, {6, 6, 3}};
    for (const auto& p : cells) {
        const double cx = kBoardX + kCell * p[0] + 30, cy = kBoardY + kCell * p[1] + 30;
        cairo_arc(c.Cr(), cx + 4, cy + 4, 21, 0, 2 * M_PI);
        cairo_set_source_rgba(c.Cr(), 0, 0, 0, 0.35);
        cairo_fill(c.Cr());
        PasteFrame(out, c, "zindles", p[2], cx, cy);
    }
    PasteFrame(out, c, "TokenVortex", 1, 59, 88);
    PasteFrame(out, c, "TokenPalette", 1, 114, 65);
    PasteFrame(out, c, "TokenBomb", 0, 169, 88);
    const int next[] = {3, 9, 5};
    for (int i = 0; i < 3; ++i) PasteFrame(out, c, "next", next[i], 85 + 28 * i, 378);
    // The sample score and level are drawn by the game, in the player's language.
    out.Save(c, kGraphics, "iboard");
}

void Title(AssetWriter& out) {
    Canvas c(800, 600, out.Scale());
    kit::Backdrop(c, 21, 0);
    cairo_t* cr = c.Cr();
    kit::Glow(cr, 239, 300, 230, {0.7, 0.4, 1.0}, 0.35);
    kit::Panel(cr, 488, 94, 296, 412, 20, 0.75);
    Logo(out, cr, 239, 288, 60);
    out.Save(c, kGraphics, "titleb");
}

// The band of the title's ring with its shadow. The band looks the same however far it has
// turned, so the screen never turns it; the pieces riding it are pictures of their own.
void TitleRing(AssetWriter& out) {
    const ImageAsset& a = out.Image(kGraphics, "Ring");
    Canvas c(a.Width(), a.Height(), out.Scale());
    cairo_t* cr = c.Cr();
    const double cx = 200, cy = 200;
    // The shadow, as the screen drew it under the whole ring: black at half strength, 4 pixels
    // down and right.
    cairo_arc(cr, cx + 4, cy + 4, 172, 0, 2 * M_PI);
    cairo_set_line_width(cr, 16);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.5);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, 172, 0, 2 * M_PI);
    cairo_set_line_width(cr, 16);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 20, 0, 380);
    cairo_pattern_add_color_stop_rgb(p, 0, 1.0, 0.92, 0.6);
    cairo_pattern_add_color_stop_rgb(p, 0.5, 0.78, 0.5, 0.12);
    cairo_pattern_add_color_stop_rgb(p, 1, 1.0, 0.85, 0.45);
    cairo_set_source(cr, p);
    cairo_stroke(cr);
    cairo_pattern_destroy(p);
    for (double r : {163.0, 181.0}) {
        cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
        cairo_set_line_width(cr, 1.5);
        cairo_set_source_rgba(cr, 0.3, 0.15, 0.0, 0.8);
        cairo_stroke(cr);
    }
    out.Save(c, kGraphics, "Ring");
}

// The ring's pieces, centred at (24, 24) of their cells, over their shadows.
void RingPieces(AssetWriter& out) {
    const ImageAsset& a = out.Image(kGraphics, "ringpieces");
    Canvas c(a.Width(), a.Height(), out.Scale());
    for (int v = 0; v < a.frames; ++v) {
        Canvas piece(a.cellWidth, a.cellHeight, out.Scale());
        pieces::DrawPiece(piece, 24, 24, 21, v, false);
        cairo_t* cr = c.Cr();
        cairo_set_source_rgba(cr, 0, 0, 0, 0.5);
        cairo_mask_surface(cr, piece.Surface(), v * a.cellWidth + 4, 4);
        c.Paste(piece, v * a.cellWidth, 0);
    }
    out.Save(c, kGraphics, "ringpieces");
}

// Smooth track through the level dots, so the map reads as a path.
void LevelSelect(AssetWriter& out) {
    Canvas c(800, 600, out.Scale());
    kit::Backdrop(c, 33, 0);
    cairo_t* cr = c.Cr();
    const double dots[][2] = {{332, 294}, {422, 240}, {280, 186}, {194, 299}, {290, 424},
                              {454, 416}, {548, 286}, {496, 138}, {340, 74},  {176, 114},
                              {80, 238},  {100, 410}, {224, 512}, {394, 532}, {556, 462}};
    constexpr int n = 15;
    auto point = [&](int i) {
        i = std::max(0, std::min(n - 1, i));
        return std::pair{dots[i][0], dots[i][1]};
    };
    cairo_new_path(cr);
    cairo_move_to(cr, dots[0][0], dots[0][1]);
    for (int i = 0; i < n - 1; ++i) {
        const auto [x0, y0] = point(i - 1);
        const auto [x1, y1] = point(i);
        const auto [x2, y2] = point(i + 1);
        const auto [x3, y3] = point(i + 2);
        cairo_curve_to(cr, x1 + (x2 - x0) / 6, y1 + (y2 - y0) / 6, x2 - (x3 - x1) / 6,
                       y2 - (y3 - y1) / 6, x2, y2);
    }
    cairo_path_t* track = cairo_copy_path(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 22);
    cairo_set_source_rgba(cr, 0.02, 0.0, 0.08, 0.45);
    cairo_stroke(cr);
    cairo_append_path(cr, track);
    cairo_set_line_width(cr, 3);
    const double dash[] = {2, 9};
    cairo_set_dash(cr, dash, 2, 0);
    cairo_set_source_rgba(cr, 1, 0.85, 0.5, 0.7);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    cairo_path_destroy(track);
    for (const auto& d : dots) {
        cairo_arc(cr, d[0], d[1], 29, 0, 2 * M_PI);
        cairo_set_source_rgba(cr, 0.03, 0.0, 0.1, 0.7);
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, 2);
        cairo_set_source_rgba(cr, 1, 0.82, 0.4, 0.6);
        cairo_stroke(cr);
    }
    kit::Panel(cr, 580, 96, 200, 336, 18, 0.7);
    machine::DrawMachine(c, machine::kLevelSelectDx, machine::kLevelSelectDy, machine::kFullFill,
                         13);
    // "Your Progress" under the machine is drawn by the game, in the player's language.
    out.Save(c, kGraphics, "levelselect");
}

void Plain(AssetWriter& out, std::string_view name, unsigned seed, double tint) {
    Canvas c(800, 600, out.Scale());
    kit::Backdrop(c, seed, tint);
    cairo_t* cr = c.Cr();
    kit::Panel(cr, 26, 14, 748, 494, 22, 0.7);
    // A few pieces tumbling in the corners.
    Rng rng(seed * 7 + 1);
    const double spots[][2] = {{60, 560}, {110, 575}, {740, 560}, {690, 578}, {770, 530}};
    for (const auto& s : spots) {
        pieces::DrawPiece(c, s[0], s[1], 17, rng.Int(2, 10), false);
    }
    out.Save(c, kGraphics, name);
}

void Loading(AssetWriter& out) {
    Canvas c(800, 600, out.Scale());
    kit::Backdrop(c, 44, 0);
    cairo_t* cr = c.Cr();
    Logo(out, cr, 400, 170, 96);
    kit::RoundedRect(cr, 200, 262, 400, 74, 20);
    cairo_set_source_rgba(cr, 0.02, 0.0, 0.08, 0.5);
    cairo_fill(cr);
    out.Save(c, kGraphics, "loadingscreen");
}

}  // namespace

void GenerateScreens(AssetWriter& out) {
    GameBoard(out);
    InstructionsBoard(out);
    Title(out);
    TitleRing(out);
    RingPieces(out);
    LevelSelect(out);
    Plain(out, "background", 55, 0);
    Plain(out, "background3", 66, 1);
    Loading(out);
}

}  // namespace quillox::assets
