#pragma once
// What a ".fnt" file says about a bitmap font: where each glyph sits in the texture and how far
// it moves the pen, and the measures built on that. Held apart from the texture so that reading
// and measuring need no display. Besides our own files the reader takes the files common
// bitmap-font tools write (padded columns, extra fields, several pages, a kernings block, codes
// above 255); whatever a damaged file holds, reading stays within the glyph tables.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>

class TBitmapFontMetrics {
public:
    static constexpr int BaseSlots = 256;
    // Room for the Latin, Cyrillic and Chinese characters the translations and names need.
    static constexpr int MaxExtraChars = 2048;
    static constexpr int Slots = BaseSlots + MaxExtraChars;

    double CharGap = 0;
    double ScaleFactor = 1;
    std::array<int, Slots> ID{};
    std::uint16_t NumChars = 0;
    std::uint16_t NumExtraChars = 0;
    double TextureH = 0, TextureW = 0;
    std::array<double, Slots> width{}, height{};
    std::array<double, Slots> xAdvance{}, xOffset{}, yOffset{};
    std::array<double, Slots> xPos{}, yPos{};

    // Reads the ".fnt" text into empty glyph tables. A texture size the file does not give
    // sensibly is taken from textureW and textureH (0 when there is no texture to ask).
    // Returns the number of glyphs read.
    int ReadFnt(const std::string& text, double textureW, double textureH);

    double StringWidth(const std::string& text) const;
    double StringHeight(const std::string& text) const;
    std::string TruncateString(const std::string& text, double maxWidth) const;
    // The extra slot holding `code`, else slot 0.
    int FindChar(std::uint32_t code) const;
    // The slot drawn for `code`.
    int SlotOf(std::uint32_t code) const;
    // Whether the font holds a glyph for `code`.
    bool HasGlyph(std::uint32_t code) const;
    long long CalcVRAM() const;

private:
    // The extra slot of each code above the base slots, so that a lookup stays quick however
    // many characters a font holds.
    std::unordered_map<std::uint32_t, int> ExtraSlots;
};

// The next character of UTF-8 text at `pos` (advanced past it). A byte that does not start a
// valid sequence stands for itself, so 8-bit text still draws.
std::uint32_t NextCharCode(const std::string& text, size_t& pos);
