#include "ContactSheet.h"

#include <algorithm>
#include <cstdio>

#include "AssetManifest.h"
#include "Canvas.h"
#include "DrawKit.h"

namespace quillox::assets {

bool ContactSheet::Write(const std::string& path) const {
    constexpr int kWidth = 1600;
    constexpr double kBackgroundScale = 0.5;
    // First pass measures, second draws.
    bool ok = true;
    int height = 0;
    for (int pass = 0; pass < 2; ++pass) {
        Canvas sheet(kWidth, std::max(height, 1), 1);
        cairo_t* cr = sheet.Cr();
        if (pass == 1) {
            // A mid-grey checker shows transparency.
            for (int y = 0; y < height; y += 16) {
                for (int x = 0; x < kWidth; x += 16) {
                    const double v = ((x + y) / 16) % 2 == 0 ? 0.42 : 0.36;
                    cairo_rectangle(cr, x, y, 16, 16);
                    cairo_set_source_rgb(cr, v, v, v);
                    cairo_fill(cr);
                }
            }
        }
        int x = 8, y = 8, rowHeight = 0;
        for (const ImageAsset& a : kImages) {
            const std::string file = dataDir_ + "/" +
                                     (a.folder.empty() ? "" : std::string(a.folder) + "/") +
                                     std::string(a.name) + ".png";
            const double scale = a.Width() >= 800 ? kBackgroundScale : 1.0;
            const int w = static_cast<int>(a.Width() * scale),
                      h = static_cast<int>(a.Height() * scale);
            const int cellW = std::max(w, 90) + 10, cellH = h + 22;
            if (x + cellW > kWidth) {
                x = 8;
                y += rowHeight;
                rowHeight = 0;
            }
            if (pass == 1) {
                cairo_surface_t* s = cairo_image_surface_create_from_png(file.c_str());
                if (cairo_surface_status(s) == CAIRO_STATUS_SUCCESS) {
                    cairo_save(cr);
                    cairo_translate(cr, x, y);
                    cairo_scale(cr, scale, scale);
                    cairo_set_source_surface(cr, s, 0, 0);
                    cairo_paint(cr);
                    cairo_restore(cr);
                    // Cell boundaries of strips.
                    for (int f = 1; f < a.frames; ++f) {
                        cairo_rectangle(cr, x + f * a.cellWidth * scale, y, 1, h);
                        cairo_set_source_rgba(cr, 1, 1, 0, 0.35);
                        cairo_fill(cr);
                    }
                } else {
                    ok = false;
                }
                cairo_surface_destroy(s);
                cairo_set_font_face(cr, labelFace_.CairoFace());
                cairo_set_font_size(cr, 11);
                cairo_move_to(cr, x, y + h + 14);
                cairo_set_source_rgb(cr, 1, 1, 1);
                char label[128];
                std::snprintf(label, sizeof label, "%s %dx%d%s", std::string(a.name).c_str(),
                              a.cellWidth, a.cellHeight,
                              a.frames > 1 ? (" x" + std::to_string(a.frames)).c_str() : "");
                cairo_show_text(cr, label);
            }
            x += cellW;
            rowHeight = std::max(rowHeight, cellH);
        }
        height = y + rowHeight + 8;
        if (pass == 1) ok = sheet.SavePng(path) && ok;
    }
    return ok;
}

}  // namespace quillox::assets
