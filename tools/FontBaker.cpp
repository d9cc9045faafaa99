#include "FontBaker.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace quillox::assets {

FontBaker::FontBaker(const Typeface& face, int pixelSize, double outline, int scale,
                     const Typeface* fallback)
    : face_(face), fallback_(fallback), pixelSize_(pixelSize), outline_(outline), scale_(scale) {}

FontBaker::Bitmap FontBaker::Render(FT_Face f, int code, double outline) const {
    Bitmap b;
    if (FT_Load_Char(f, static_cast<FT_ULong>(code), FT_LOAD_RENDER) != 0) return b;
    const FT_Bitmap& src = f->glyph->bitmap;
    const int pad = static_cast<int>(std::ceil(outline)) + 1;
    b.advance = static_cast<int>(std::lround(f->glyph->advance.x / 64.0));
    if (src.width == 0 || src.rows == 0) return b;
    b.width = static_cast<int>(src.width) + 2 * pad;
    b.height = static_cast<int>(src.rows) + 2 * pad;
    b.left = f->glyph->bitmap_left - pad;
    b.top = f->glyph->bitmap_top + pad;
    b.fill.assign(b.width * b.height, 0.0f);
    for (unsigned y = 0; y < src.rows; ++y) {
        for (unsigned x = 0; x < src.width; ++x) {
            b.fill[(y + pad) * b.width + x + pad] = src.buffer[y * src.pitch + x] / 255.0f;
        }
    }
    // The rim: the coverage spread by the outline radius, soft at its edge.
    b.rim.assign(b.fill.size(), 0.0f);
    const int r = static_cast<int>(std::ceil(outline));
    for (int y = 0; y < b.height; ++y) {
        for (int x = 0; x < b.width; ++x) {
            float best = 0;
            for (int dy = -r; dy <= r; ++dy) {
                for (int dx = -r; dx <= r; ++dx) {
                    const int sx = x + dx, sy = y + dy;
                    if (sx < 0 || sy < 0 || sx >= b.width || sy >= b.height) continue;
                    const double d = std::hypot(dx, dy);
                    const double weight = std::clamp(outline + 0.5 - d, 0.0, 1.0);
                    best = std::max(best, static_cast<float>(b.fill[sy * b.width + sx] * weight));
                }
            }
            b.rim[y * b.width + x] = best;
        }
    }
    return b;
}

bool FontBaker::Bake(const std::vector<int>& codes, int textureWidth) {
    FT_Face f = face_.Face();
    if (f == nullptr || FT_Set_Pixel_Sizes(f, 0, static_cast<FT_UInt>(pixelSize_)) != 0) {
        return false;
    }
    FT_Face other = fallback_ != nullptr ? fallback_->Face() : nullptr;
    if (other != nullptr && FT_Set_Pixel_Sizes(other, 0, static_cast<FT_UInt>(pixelSize_)) != 0) {
        return false;
    }
    const int pad = static_cast<int>(std::ceil(outline_)) + 1;
    base_ = static_cast<int>(std::lround(f->size->metrics.ascender / 64.0)) + pad;
    lineHeight_ = static_cast<int>(std::lround(f->size->metrics.height / 64.0)) + pad;
    std::vector<Bitmap> bitmaps;
    glyphs_.clear();
    faces_.clear();
    // Shelf packing, left to right, two pixels apart.
    int x = 1, y = 1, shelf = 0;
    for (int code : codes) {
        FT_Face from = f;
        if (FT_Get_Char_Index(f, static_cast<FT_ULong>(code)) == 0 && code != 32) {
            from = other;
            if (from == nullptr || FT_Get_Char_Index(from, static_cast<FT_ULong>(code)) == 0) {
                missing_ = code;
                return false;
            }
        }
        Bitmap b = Render(from, code, outline_);
        if (x + b.width + 1 > textureWidth) {
            x = 1;
            y += shelf + 2;
            shelf = 0;
        }
        glyphs_.push_back({code, x, y, b.width, b.height, b.left, base_ - b.top, b.advance});
        faces_.push_back(from);
        x += b.width + 2;
        shelf = std::max(shelf, b.height);
        bitmaps.push_back(std::move(b));
    }
    int height = 1;
    while (height < y + shelf + 1) height *= 2;
    Kernings(codes);
    texture_ = std::make_unique<Canvas>(textureWidth, height, scale_);
    Paint(bitmaps);
    return true;
}

void FontBaker::Kernings(const std::vector<int>& codes) {
    FT_Face f = face_.Face();
    kernings_.clear();
    if (!FT_HAS_KERNING(f)) return;
    for (int a : codes) {
        for (int b : codes) {
            FT_Vector k;
            if (FT_Get_Kerning(f, FT_Get_Char_Index(f, a), FT_Get_Char_Index(f, b),
                               FT_KERNING_DEFAULT, &k) != 0) {
                continue;
            }
            const int amount = static_cast<int>(std::lround(k.x / 64.0));
            if (amount == 0) continue;
            char line[96];
            std::snprintf(line, sizeof line, "kerning first=%-4d second=%-4d amount=%-4d", a, b,
                          amount);
            kernings_.emplace_back(line);
        }
    }
}

void FontBaker::SetPixelSize(int size) const {
    FT_Set_Pixel_Sizes(face_.Face(), 0, static_cast<FT_UInt>(size));
    if (fallback_ != nullptr && fallback_->Face() != nullptr) {
        FT_Set_Pixel_Sizes(fallback_->Face(), 0, static_cast<FT_UInt>(size));
    }
}

void FontBaker::Paint(const std::vector<Bitmap>& layout) {
    const int s = scale_;
    if (s != 1) SetPixelSize(pixelSize_ * s);
    for (std::size_t i = 0; i < glyphs_.size(); ++i) {
        const BakedGlyph& g = glyphs_[i];
        const Bitmap& small = layout[i];
        if (s == 1) {
            PaintGlyph(g, small, 0, 0, 1);
            continue;
        }
        // The finer glyph placed where the coarse one's pen and baseline put it.
        const Bitmap fine = Render(faces_[i], g.code, outline_ * s);
        PaintGlyph(g, fine, fine.left - s * small.left, s * small.top - fine.top, s);
    }
    if (s != 1) SetPixelSize(pixelSize_);
}

void FontBaker::PaintGlyph(const BakedGlyph& g, const Bitmap& b, int left, int top, int scale) {
    for (int py = 0; py < b.height; ++py) {
        const int ty = top + py;
        if (ty < 0 || ty >= g.height * scale) continue;  // kept inside the glyph's cell
        // Pure white at the top shading to a light grey at the bottom of the cap height.
        const double t = std::clamp(double(py) / std::max(1, pixelSize_ * scale), 0.0, 1.0);
        const double light = 1.0 - 0.16 * t;
        for (int px = 0; px < b.width; ++px) {
            const int tx = left + px;
            if (tx < 0 || tx >= g.width * scale) continue;
            const float fill = b.fill[py * b.width + px];
            const float rim = b.rim[py * b.width + px] * 0.85f;
            const double a = fill + rim * (1 - fill);
            if (a <= 0) continue;
            const double v = light * fill / a + 0.08 * rim * (1 - fill) / a;
            texture_->SetTexel(g.x * scale + tx, g.y * scale + ty, {v, v, v * 1.02, a});
        }
    }
}

std::string FontBaker::FntText(const std::string& faceName, const std::string& textureFile) const {
    // Every value is padded with blanks: the reader takes a fixed number of characters
    // after each key, so a value must never run straight into the next key.
    std::string s;
    char line[256];
    std::snprintf(line, sizeof line,
                  "info face=\"%s\" size=%d bold=1 italic=0 charset=\"\" unicode=0 "
                  "stretchH=100 smooth=1 aa=1 padding=0,0,0,0 spacing=2,2\r\n",
                  faceName.c_str(), pixelSize_);
    s += line;
    std::snprintf(line, sizeof line,
                  "common lineHeight=%-4d base=%-4d scaleW=%-5d scaleH=%-5d pages=1 packed=0\r\n",
                  lineHeight_, base_, texture_ ? texture_->Width() : 0,
                  texture_ ? texture_->Height() : 0);
    s += line;
    std::snprintf(line, sizeof line, "page id=0 file=\"%s\"\r\n", textureFile.c_str());
    s += line;
    std::snprintf(line, sizeof line, "chars count=%zu\r\n", glyphs_.size());
    s += line;
    for (const BakedGlyph& g : glyphs_) {
        std::snprintf(line, sizeof line,
                      "char id=%-5d x=%-5d y=%-5d width=%-5d height=%-5d xoffset=%-5d "
                      "yoffset=%-5d xadvance=%-5d page=0  chnl=15\r\n",
                      g.code, g.x, g.y, g.width, g.height, g.xOffset, g.yOffset, g.xAdvance);
        s += line;
    }
    std::snprintf(line, sizeof line, "kernings count=%zu\r\n", kernings_.size());
    s += line;
    for (const std::string& k : kernings_) s += k + "\r\n";
    return s;
}

}  // namespace quillox::assets
