#pragma once
// A bitmap font: one texture holding every glyph, placed and measured by the metrics its
// ".fnt" text file gives.

#include <memory>
#include <string>
#include <vector>

#include "media/Media.h"
#include "presentation/TBitmapFontMetrics.h"

class TBitmapFont : public TBitmapFontMetrics {
public:
    int ChangeHandle = 0;
    double HandleX = 0, HandleY = 0;
    media::Image Image;

    // Loads basePath + ".png" and basePath + ".fnt"; a missing file, or a ".fnt" that yields no
    // glyph, is fatal ("Error loading file " + path).
    static std::shared_ptr<TBitmapFont> Create(const std::string& basePath, int flags);
    // Reads the ".fnt" text. A texture size the file lacks or damages falls back to the loaded
    // texture's size. Returns the number of glyphs read.
    int ReadFnt(const std::string& text);

    void Draw(const std::string& text, float x, float y, int centre, int right, int roundX,
              int roundY, int shadow);
    // Alignment 0 left, 1 centred on x, 2 right-aligned ending at x; others draw nothing.
    void DrawAligned(const std::string& text, float x, float y, int alignment, int roundX,
                     int roundY, int shadow);
    void DrawAlignedWithShadow(const std::string& text, float x, float y, int alignment, int roundX,
                               int roundY);
};
