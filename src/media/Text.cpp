// TrueType text through FreeType, with glyphs cached on texture pages.
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H

#include <cmath>
#include <map>
#include <memory>

#include "media/ImageData.h"
#include "media/MediaInternal.h"
#include "media/Platform.h"

namespace media {

namespace {

// In canvas pixels: a page holds a few hundred glyphs of the sizes the game uses, and takes
// four times the memory when drawn at twice the resolution, so pages stay small and are added
// as they fill.
constexpr int kPageSize = 256;
constexpr int kBuiltInSize = 12;

// The bitmap is drawn at the canvas's scale (its place, size and offsets in texels of that
// scale); the advance is in canvas pixels at the font's own size, so text takes the same room
// at every scale.
struct Glyph {
    int page = -1;  // -1: nothing to draw (a space)
    int x = 0, y = 0, width = 0, height = 0;
    int left = 0, top = 0;  // bitmap offset from the pen and the baseline
    int advance = 0;
};

using Library = std::shared_ptr<std::remove_pointer_t<FT_Library>>;

Library SharedLibrary() {
    static std::weak_ptr<std::remove_pointer_t<FT_Library>> shared;
    if (Library library = shared.lock()) return library;
    FT_Library raw = nullptr;
    if (FT_Init_FreeType(&raw) != 0) return {};
    Library library(raw, FT_Done_FreeType);
    shared = library;
    return library;
}

}  // namespace

struct FontData {
    Library library;
    std::vector<std::uint8_t> file;  // FreeType reads the face from this memory
    FT_Face face = nullptr;
    int style = 0;
    int size = 0;        // in canvas pixels
    int loadedSize = 0;  // the size the face is set to now
    int inkScale = 1;    // the canvas scale the glyphs and pages are drawn for
    int ascent = 0;
    int height = 0;
    std::map<char32_t, Glyph> glyphs;
    std::vector<Image> pages;
    int shelfX = 0, shelfY = 0, shelfHeight = 0;

    FontData() = default;
    FontData(const FontData&) = delete;
    FontData& operator=(const FontData&) = delete;
    ~FontData() {
        if (face) FT_Done_Face(face);
    }

    const Glyph& GlyphFor(char32_t code);

private:
    bool Reserve(int width, int height, int& x, int& y);
    bool Load(FT_UInt index, int scale);
};

bool FontData::Reserve(int width, int height, int& x, int& y) {
    const int texels = kPageSize * inkScale;
    if (width > texels - 2 || height > texels - 2) return false;
    if (pages.empty() || shelfX + width + 1 > texels) {
        shelfX = 1;
        shelfY += shelfHeight + 1;
        shelfHeight = 0;
    }
    if (pages.empty() || shelfY + height + 1 > texels) {
        pages.push_back(detail::NewImage(kPageSize, kPageSize, 1, true, inkScale));
        shelfX = shelfY = 1;
        shelfHeight = 0;
    }
    x = shelfX;
    y = shelfY;
    shelfX += width + 1;
    shelfHeight = std::max(shelfHeight, height);
    return true;
}

bool FontData::Load(FT_UInt index, int scale) {
    const bool smooth = (style & SMOOTHFONT) != 0;
    if (loadedSize != size * scale) {
        // Points at 72 dots per inch: one point is one device pixel.
        if (FT_Set_Char_Size(face, 0, size * scale * 64, 72, 72) != 0) return false;
        loadedSize = size * scale;
    }
    if (FT_Load_Glyph(face, index, smooth ? FT_LOAD_TARGET_NORMAL : FT_LOAD_TARGET_MONO) != 0)
        return false;
    if (style & BOLDFONT) FT_GlyphSlot_Embolden(face->glyph);
    if (style & ITALICFONT) FT_GlyphSlot_Oblique(face->glyph);
    return true;
}

const Glyph& FontData::GlyphFor(char32_t code) {
    if (const int scale = detail::CanvasScale(); scale != inkScale) {
        // Drawn again, at the new scale, as they are next wanted.
        glyphs.clear();
        pages.clear();
        shelfX = shelfY = shelfHeight = 0;
        inkScale = scale;
    }
    if (auto found = glyphs.find(code); found != glyphs.end()) return found->second;
    Glyph& glyph = glyphs[code];
    const bool smooth = (style & SMOOTHFONT) != 0;
    const FT_UInt index = FT_Get_Char_Index(face, code);
    if (!Load(index, 1)) return glyph;
    glyph.advance = static_cast<int>(std::lround(face->glyph->advance.x / 64.0));
    if (inkScale != 1 && !Load(index, inkScale)) return glyph;
    if (FT_Render_Glyph(face->glyph, smooth ? FT_RENDER_MODE_NORMAL : FT_RENDER_MODE_MONO) != 0)
        return glyph;
    const FT_Bitmap& bitmap = face->glyph->bitmap;
    glyph.left = face->glyph->bitmap_left;
    glyph.top = face->glyph->bitmap_top;
    glyph.width = static_cast<int>(bitmap.width);
    glyph.height = static_cast<int>(bitmap.rows);
    if (glyph.width == 0 || glyph.height == 0 ||
        !Reserve(glyph.width, glyph.height, glyph.x, glyph.y))
        return glyph;
    glyph.page = static_cast<int>(pages.size()) - 1;
    FrameData& frame = pages.back()->frames[0];
    detail::Display().damage.BeforePixelsChange(frame);
    for (int row = 0; row < glyph.height; ++row) {
        const unsigned char* line = bitmap.buffer + static_cast<ptrdiff_t>(row) * bitmap.pitch;
        for (int col = 0; col < glyph.width; ++col) {
            const unsigned coverage = bitmap.pixel_mode == FT_PIXEL_MODE_MONO
                                          ? ((line[col / 8] >> (7 - col % 8)) & 1u) * 255u
                                          : line[col];
            frame.pixmap.At(glyph.x + col, glyph.y + row) = (coverage << 24) | 0x00FFFFFFu;
        }
    }
    frame.textureStale = true;
    return glyph;
}

namespace {

Font& CurrentFont() {
    static Font font;
    return font;
}

struct BuiltIn {
    std::string path;
    Font font;
    bool tried = false;
};

BuiltIn& BuiltInFont() {
    static BuiltIn builtIn;
    return builtIn;
}

FontData* ActiveFont() {
    if (CurrentFont()) return CurrentFont().get();
    BuiltIn& builtIn = BuiltInFont();
    if (!builtIn.tried) {
        builtIn.tried = true;
        if (!builtIn.path.empty()) builtIn.font = LoadFont(builtIn.path, kBuiltInSize, SMOOTHFONT);
    }
    return builtIn.font.get();
}

}  // namespace

namespace detail {

char32_t DecodeUtf8(const std::string& text, size_t& i) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    int extra = 0;
    if (lead < 0x80) {
        ++i;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
    } else {
        ++i;
        return 0xFFFD;
    }
    if (i + static_cast<size_t>(extra) >= text.size()) {
        ++i;
        return 0xFFFD;
    }
    char32_t code = lead & (0x3Fu >> extra);
    for (int k = 1; k <= extra; ++k) {
        const unsigned char next = static_cast<unsigned char>(text[i + static_cast<size_t>(k)]);
        if ((next & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        code = (code << 6) | (next & 0x3Fu);
    }
    i += static_cast<size_t>(extra) + 1;
    return code;
}

void ShutdownText() {
    CurrentFont().reset();
    BuiltInFont().font.reset();
    BuiltInFont().tried = false;
}

}  // namespace detail

Font LoadFont(const std::string& path, int size, int style) {
    if (size <= 0 || size > 1000) return {};
    auto font = std::make_shared<FontData>();
    font->library = SharedLibrary();
    if (!font->library || !detail::ReadWholeFile(path, font->file) || font->file.empty()) return {};
    if (FT_New_Memory_Face(font->library.get(), font->file.data(),
                           static_cast<FT_Long>(font->file.size()), 0, &font->face) != 0) {
        font->face = nullptr;
        return {};
    }
    // Points at 72 dots per inch: one point is one canvas pixel.
    if (FT_Set_Char_Size(font->face, 0, size * 64, 72, 72) != 0) return {};
    font->size = font->loadedSize = size;
    font->style = style;
    font->ascent = static_cast<int>(std::ceil(font->face->size->metrics.ascender / 64.0));
    font->height = static_cast<int>(std::ceil(
        (font->face->size->metrics.ascender - font->face->size->metrics.descender) / 64.0));
    return font;
}

void SetBuiltInFontFile(const std::string& path) {
    BuiltIn& builtIn = BuiltInFont();
    builtIn.path = path;
    builtIn.font.reset();
    builtIn.tried = false;
}

void SetDrawFont(const Font& font) {
    CurrentFont() = font;
}
Font GetDrawFont() {
    return CurrentFont();
}

void DrawTextAt(const std::string& utf8, float x, float y) {
    FontData* font = ActiveFont();
    if (!font || !detail::Display().renderer) return;
    float pen = 0.0f;
    for (size_t i = 0; i < utf8.size();) {
        const Glyph& glyph = font->GlyphFor(detail::DecodeUtf8(utf8, i));
        if (glyph.page >= 0) {
            const auto scale = static_cast<float>(font->inkScale);
            const float left = pen + glyph.left / scale;
            const float top = font->ascent - glyph.top / scale;
            const float right = left + glyph.width / scale, bottom = top + glyph.height / scale;
            const SDL_FPoint corners[4] = {
                detail::Place(left, top, x, y), detail::Place(right, top, x, y),
                detail::Place(right, bottom, x, y), detail::Place(left, bottom, x, y)};
            const auto page = static_cast<float>(kPageSize * font->inkScale);
            detail::DrawFrameQuad(font->pages[static_cast<size_t>(glyph.page)], 0, corners,
                                  glyph.x / page, glyph.y / page, (glyph.x + glyph.width) / page,
                                  (glyph.y + glyph.height) / page);
        }
        pen += static_cast<float>(glyph.advance);
    }
}

int TextWidthOf(const std::string& utf8) {
    FontData* font = ActiveFont();
    if (!font) return 0;
    int width = 0;
    for (size_t i = 0; i < utf8.size();)
        width += font->GlyphFor(detail::DecodeUtf8(utf8, i)).advance;
    return width;
}

int TextHeightOf(const std::string&) {
    FontData* font = ActiveFont();
    return font ? font->height : 0;
}

}  // namespace media
