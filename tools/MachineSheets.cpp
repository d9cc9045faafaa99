// The machine pictures the play screen and the level select draw over their backgrounds.
#include <algorithm>
#include <cmath>

#include "Catalogues.h"
#include "DrawKit.h"
#include "Generators.h"
#include "MachineArt.h"

namespace quillox::assets {
namespace {

// The empty globe, cut to the rectangle the game draws it into.
void EmptyCover(AssetWriter& out, std::string_view name) {
    const ImageAsset& a = out.Image(kGraphics, name);
    Canvas c(a.Width(), a.Height(), out.Scale());
    machine::DrawGlobe(c, -machine::kCoverX, -machine::kCoverY, 0, 1);
    out.Save(c, kGraphics, name);
}

// The full machine in celebration, centred on the globe's middle.
void FullMachine(AssetWriter& out) {
    const ImageAsset& a = out.Image(kGraphics, "winm");
    Canvas c(a.Width(), a.Height(), out.Scale());
    const double dx = a.Width() / 2.0 - 113, dy = a.Height() / 2.0 - 228;
    kit::Glow(c.Cr(), a.Width() / 2.0, a.Height() / 2.0, a.Width() / 2.0, {1.0, 0.9, 0.5}, 0.7);
    machine::DrawGlobe(c, dx, dy, machine::kFullFill, 7);
    out.Save(c, kGraphics, "winm");
}

// Sun beams: turned and scaled up six times behind the full machine.
void SunBeams(AssetWriter& out) {
    const ImageAsset& a = out.Image(kGraphics, "win");
    Canvas c(a.Width(), a.Height(), out.Scale());
    cairo_t* cr = c.Cr();
    const double cx = a.Width() / 2.0, cy = a.Height() / 2.0, r = a.Width() / 2.0;
    // Each beam is a stack of wedges of falling width added together, so its sides fade over
    // a few pixels: a hard one-pixel edge turns into a staircase once the game scales it up.
    constexpr int kBeams = 16, kLayers = 6;
    const double halfWidth = M_PI / 32;
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    for (int i = 0; i < kBeams; ++i) {
        const double middle = i * 2 * M_PI / kBeams + halfWidth;
        for (int layer = 0; layer < kLayers; ++layer) {
            const double half = halfWidth * (1.4 - 0.8 * layer / (kLayers - 1));
            cairo_move_to(cr, cx, cy);
            cairo_arc(cr, cx, cy, r, middle - half, middle + half);
            cairo_close_path(cr);
            cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r);
            cairo_pattern_add_color_stop_rgba(p, 0, 1, 0.95, 0.7, 0.9 / kLayers);
            cairo_pattern_add_color_stop_rgba(p, 1, 1, 0.8, 0.3, 0.0);
            cairo_set_source(cr, p);
            cairo_fill(cr);
            cairo_pattern_destroy(p);
        }
    }
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    out.Save(c, kGraphics, "win");
}

void WellDone(AssetWriter& out) {
    const ImageAsset& a = out.Image(kGraphics, "welldone");
    for (const Catalogue* language : out.Wordings()) {
        const char* english = TrNoop("Well Done!");
        const std::string text = language != nullptr ? language->Tr(english) : english;
        if (language != nullptr && text == english) continue;
        Canvas c(a.Width(), a.Height(), out.Scale());
        kit::TextStyle style{out.FaceFor(text), 72, {1.0, 0.98, 0.7}, {1.0, 0.6, 0.1}};
        style.outlineWidth = 4;
        style.shadow = 4;
        // As wide as the English at most, which was drawn to fit.
        if (kit::TextWidth(c.Cr(), style, text) >
            std::max<double>(a.Width(), kit::TextWidth(c.Cr(), style, english))) {
            out.Fail("too wide: welldone " + text);
        }
        kit::DrawTextCentred(c.Cr(), style, text, a.Width() / 2.0, a.Height() / 2.0);
        out.Save(c, kGraphics, "welldone", language != nullptr ? language->code : "");
    }
}

}  // namespace

void GenerateMachine(AssetWriter& out) {
    EmptyCover(out, "empty");
    EmptyCover(out, "lsempty");
    FullMachine(out);
    SunBeams(out);
    WellDone(out);
}

}  // namespace quillox::assets
