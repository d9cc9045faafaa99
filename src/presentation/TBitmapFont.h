#pragma once
// A bitmap font: one texture holding every glyph and a ".fnt" text file describing where each
// glyph sits. Besides our own files the reader takes the files common bitmap-font tools write
// (padded columns, extra fields, several pages, a kernings block, codes above 255); whatever a
// damaged file holds, reading stays within the glyph tables.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "media/Media.h"

class TBitmapFont {
public:
    static constexpr int BaseSlots = 256;
    static constexpr int MaxExtraChars = 150;
    static constexpr int Slots = BaseSlots + MaxExtraChars;

    double CharGap = 0;
    int ChangeHandle = 0;
    double HandleX = 0, HandleY = 0;
    double ScaleFactor = 1;
    std::array<int, Slots> ID{};
    media::Image Image;
    std::uint16_t NumChars = 0;
    std::uint16_t NumExtraChars = 0;
    double TextureH = 0, TextureW = 0;
    std::array<double, Slots> width{}, height{};
    std::array<double, Slots> xAdvance{}, xOffset{}, yOffset{};
    std::array<double, Slots> xPos{}, yPos{};

    // Loads basePath + ".png" and basePath + ".fnt"; a missing file is fatal.
    static std::shared_ptr<TBitmapFont> Create(const std::string& basePath, int flags);
    // Reads the ".fnt" text. A texture size of 0 in the file falls back to the loaded
    // texture's size. Returns the number of glyphs read.
    int ReadFnt(const std::string& text);

    void Draw(const std::string& text, float x, float y, int centre, int right, int roundX,
              int roundY, int shadow);
    // Alignment 0 left, 1 centred on x, 2 right-aligned ending at x; others draw nothing.
    void DrawAligned(const std::string& text, float x, float y, int alignment, int roundX,
                     int roundY, int shadow);
    void DrawAlignedWithShadow(const std::string& text, float x, float y, int alignment, int roundX,
                               int roundY);
    void DrawStringArray(const std::vector<std::string>& lines, float x, float y, int centre,
                         int right, int roundX, int roundY, int shadow, float lineHeight,
                         int centreVertically);
    double StringWidth(const std::string& text) const;
    double StringHeight(const std::string& text) const;
    std::string TruncateString(const std::string& text, double maxWidth) const;
    // The extra slot holding `code`, else slot 0.
    int FindChar(std::uint32_t code) const;
    // The slot drawn for `code`.
    int SlotOf(std::uint32_t code) const;
    long long CalcVRAM() const;
    void Precache() const;
    void Kill();
};

// The next character of UTF-8 text at `pos` (advanced past it). A byte that does not start a
// valid sequence stands for itself, so 8-bit text still draws.
std::uint32_t NextCharCode(const std::string& text, size_t& pos);
