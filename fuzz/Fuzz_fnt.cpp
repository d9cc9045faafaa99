// Any bytes as a bitmap font's ".fnt" file: glyphs stay inside their tables, every code read is
// found where drawing looks for it, every metric and measure is a plain number, a missing
// texture size is taken from the texture, and a font read again holds what a fresh one does.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "presentation/TBitmapFontMetrics.h"

namespace {

using Font = TBitmapFontMetrics;

// A font with glyphs in base and extra slots, read before the input into the same object.
const char* const EarlierFont =
    "info face=\"Earlier\" size=20\r\n"
    "common lineHeight=20 base=16 scaleW=128 scaleH=64 pages=1\r\n"
    "char id=65 x=1 y=2 width=9 height=12 xoffset=1 yoffset=2 xadvance=11\r\n"
    "char id=97 x=12 y=2 width=8 height=9 xoffset=0 yoffset=5 xadvance=9\r\n"
    "char id=8364 x=22 y=2 width=10 height=12 xoffset=0 yoffset=2 xadvance=11\r\n";

bool Finite(const std::array<double, Font::Slots>& values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

bool SameGlyphs(const Font& a, const Font& b) {
    return a.ScaleFactor == b.ScaleFactor && a.TextureW == b.TextureW && a.TextureH == b.TextureH &&
           a.NumChars == b.NumChars && a.NumExtraChars == b.NumExtraChars && a.ID == b.ID &&
           a.xPos == b.xPos && a.yPos == b.yPos && a.width == b.width && a.height == b.height &&
           a.xOffset == b.xOffset && a.yOffset == b.yOffset && a.xAdvance == b.xAdvance;
}

void CheckTables(const Font& font) {
    FUZZ_CHECK(font.NumExtraChars <= Font::MaxExtraChars);
    FUZZ_CHECK(font.NumExtraChars <= font.NumChars);
    FUZZ_CHECK(std::isfinite(font.ScaleFactor) && font.ScaleFactor > 0);
    FUZZ_CHECK(std::isfinite(font.TextureW) && font.TextureW >= 0);
    FUZZ_CHECK(std::isfinite(font.TextureH) && font.TextureH >= 0);
    for (const auto* values : {&font.xPos, &font.yPos, &font.width, &font.height, &font.xOffset,
                               &font.yOffset, &font.xAdvance}) {
        FUZZ_CHECK(Finite(*values));
    }
    for (int slot = 0; slot < Font::BaseSlots; ++slot) {
        const int id = font.ID[static_cast<std::size_t>(slot)];
        FUZZ_CHECK(id == 0 || id == slot);
    }
    for (int slot = Font::BaseSlots; slot < Font::Slots; ++slot) {
        const int id = font.ID[static_cast<std::size_t>(slot)];
        if (slot < Font::BaseSlots + font.NumExtraChars) {
            FUZZ_CHECK(id >= Font::BaseSlots);
            FUZZ_CHECK(font.FindChar(static_cast<std::uint32_t>(id)) == slot);
            FUZZ_CHECK(font.SlotOf(static_cast<std::uint32_t>(id)) == slot);
        } else {
            FUZZ_CHECK(id == 0);
        }
    }
}

void CheckMeasures(const Font& font, const std::string& text) {
    FUZZ_CHECK(std::isfinite(font.StringWidth(text)));
    FUZZ_CHECK(std::isfinite(font.StringHeight(text)));
    FUZZ_CHECK(font.CalcVRAM() >= 4);
    // Truncation grows a prefix one character at a time: keep it short enough to stay quick.
    const std::string head = text.substr(0, 64);
    const double limit = font.StringWidth(head) / 2;
    const std::string cut = font.TruncateString(head, limit);
    FUZZ_CHECK(head.compare(0, cut.size(), cut) == 0);
    // Nothing fits a negative width, which a backwards advance can give; the empty text is
    // then the answer.
    FUZZ_CHECK(cut.empty() || font.StringWidth(cut) <= limit * font.ScaleFactor);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    Font font;
    FUZZ_CHECK(font.ReadFnt(text, 0, 0) == font.NumChars);
    CheckTables(font);
    CheckMeasures(font, text);

    // With a texture to ask, every glyph has a size to be a fraction of.
    Font textured;
    textured.ReadFnt(text, 64, 32);
    CheckTables(textured);
    FUZZ_CHECK(textured.TextureW > 0 && textured.TextureH > 0);
    FUZZ_CHECK(textured.NumChars == font.NumChars);

    Font reused;
    reused.ReadFnt(EarlierFont, 0, 0);
    reused.ReadFnt(text, 0, 0);
    FUZZ_CHECK(SameGlyphs(reused, font));
    return 0;
}
