// The program's icon at every size the desktop asks for: zindles on a board tile, as the play
// screen shows them. Small sizes keep one large piece, which still reads at 16 pixels.
#include "DrawKit.h"
#include "Generators.h"
#include "PieceArt.h"

namespace quillox::assets {
namespace {

void Icon(AssetWriter& out, std::string_view name) {
    const ImageAsset& a = out.Image(kIcons, name);
    const double s = a.cellWidth;
    Canvas c(a.Width(), a.Height(), out.Scale());
    cairo_t* cr = c.Cr();
    const double inset = s / 32.0;
    kit::RoundedRect(cr, inset, inset, s - 2 * inset, s - 2 * inset, s * 0.18);
    cairo_pattern_t* tile = cairo_pattern_create_linear(0, 0, 0, s);
    cairo_pattern_add_color_stop_rgb(tile, 0, 0.33, 0.20, 0.52);
    cairo_pattern_add_color_stop_rgb(tile, 1, 0.13, 0.07, 0.24);
    cairo_set_source(cr, tile);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(tile);
    cairo_set_line_width(cr, s / 24.0);
    cairo_set_source_rgb(cr, 0.80, 0.62, 0.26);  // the machine's brass
    cairo_stroke(cr);
    if (s < 32) {
        pieces::DrawPiece(c, s / 2, s / 2, s * 0.34, 2, false);
    } else {
        // A line in the making: three flavours meeting a rainbow.
        pieces::DrawPiece(c, s * 0.32, s * 0.33, s * 0.19, 2, false);
        pieces::DrawPiece(c, s * 0.68, s * 0.33, s * 0.19, 5, false);
        pieces::DrawPiece(c, s * 0.32, s * 0.69, s * 0.19, 7, false);
        pieces::DrawPiece(c, s * 0.68, s * 0.69, s * 0.19, pieces::kRainbow, false);
    }
    out.Save(c, kIcons, name);
}

}  // namespace

void GenerateIcons(AssetWriter& out) {
    for (std::string_view name : kIconNames) Icon(out, name);
}

}  // namespace quillox::assets
