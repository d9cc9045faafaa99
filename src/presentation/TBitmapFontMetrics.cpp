#include "presentation/TBitmapFontMetrics.h"

#include <cmath>
#include <cstdlib>
#include <vector>

#include "system/StringHelpers.h"
#include "system/TextLines.h"

namespace {

bool StartsWith(const std::string& line, const char* prefix) {
    return line.rfind(prefix, 0) == 0;
}

std::string TrimLeft(const std::string& line) {
    const auto first = line.find_first_not_of(" \t");
    return first == std::string::npos ? std::string() : line.substr(first);
}

// The number after `key` where the key starts a field of the line (so "x=" never matches
// inside "xoffset=" or a quoted letter). Blanks may pad the value; NaN when the key is absent
// or no number follows.
double FieldValue(const std::string& line, const std::string& key) {
    size_t at = 0;
    while ((at = line.find(key, at)) != std::string::npos) {
        if (at == 0 || line[at - 1] == ' ' || line[at - 1] == '\t') break;
        ++at;
    }
    if (at == std::string::npos) return std::nan("");
    const char* start = line.c_str() + at + key.size();
    char* end = nullptr;
    const double value = std::strtod(start, &end);
    return end == start ? std::nan("") : value;
}

// No texture, glyph or pen move reaches this many pixels; a value past it is damage, and
// would carry text sizes and memory sums beyond what numbers can hold.
constexpr double MaxPixels = 65536;

double FieldOr(const std::string& line, const std::string& key, double fallback) {
    const double value = FieldValue(line, key);
    return std::isfinite(value) && std::fabs(value) <= MaxPixels ? value : fallback;
}

// A texture size from the file when it is one, else the texture's own (0 when unknown).
double TextureSize(double fromFile, double fromTexture) {
    if (fromFile >= 1) return fromFile;
    return fromTexture >= 1 && fromTexture <= MaxPixels ? fromTexture : 0;
}

}  // namespace

std::uint32_t NextCharCode(const std::string& text, size_t& pos) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    int extra = 0;
    std::uint32_t code = lead;
    if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2;
        code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3;
        code = lead & 0x07;
    }
    if (extra > 0 && pos + static_cast<size_t>(extra) < text.size()) {
        bool valid = true;
        for (int i = 1; i <= extra; ++i)
            valid = valid && (byte(pos + static_cast<size_t>(i)) & 0xC0) == 0x80;
        if (valid) {
            for (int i = 1; i <= extra; ++i)
                code = (code << 6) | (byte(pos + static_cast<size_t>(i)) & 0x3F);
            pos += static_cast<size_t>(extra) + 1;
            return code;
        }
    }
    ++pos;
    return lead;
}

int TBitmapFontMetrics::ReadFnt(const std::string& text, double textureW, double textureH) {
    const std::vector<std::string> lines = SplitLines(text);
    size_t next = 0;
    const auto take = [&]() -> std::string {
        return next < lines.size() ? lines[next++] : std::string();
    };

    // A font read again holds only what the new file says; the gap belongs to the caller.
    const double gap = CharGap;
    *this = TBitmapFontMetrics();
    CharGap = gap;

    std::string line = take();
    if (UpperCase(line.substr(0, 6)) == "SCALEF") {
        double factor = FieldValue(line, "scaleF=");
        if (!std::isfinite(factor)) factor = FieldValue(line, "ScaleF=");
        // A factor that cannot scale anything, or scales beyond any screen, leaves the font at
        // its drawn size.
        ScaleFactor = factor >= 1.0 / 1000 && factor <= 1000 ? factor : 1.0;
        line = take();
        if (StartsWith(line, "info")) line = take();
    } else if (!StartsWith(line, "common")) {
        line = take();
        if (StartsWith(line, "info")) line = take();
    }
    // A damaged size would divide every glyph by zero or blow it up; the texture itself knows
    // better.
    TextureW = TextureSize(FieldOr(line, "scaleW=", 0), textureW);
    TextureH = TextureSize(FieldOr(line, "scaleH=", 0), textureH);
    const auto fraction = [](double value, double size) { return size > 0 ? value / size : 0.0; };

    while (next < lines.size()) {
        line = TrimLeft(take());
        if (StartsWith(line, "kerning")) break;
        // Page, chars and other tool lines carry no glyph.
        if (!StartsWith(line, "char ") && !StartsWith(line, "char\t")) continue;
        const double code = FieldValue(line, "id=");
        if (!std::isfinite(code) || code < 0 || code > 0x10FFFF) continue;
        const int id = static_cast<int>(code);
        int slot = id;
        if (id >= BaseSlots) {
            const int known = FindChar(static_cast<std::uint32_t>(id));
            if (known != 0) {
                slot = known;
            } else if (NumExtraChars >= MaxExtraChars) {
                continue;
            } else {
                slot = BaseSlots + NumExtraChars++;
                ExtraSlots[static_cast<std::uint32_t>(id)] = slot;
            }
        }
        const auto s = static_cast<size_t>(slot);
        ID[s] = id;
        xPos[s] = fraction(FieldOr(line, "x=", 0), TextureW);
        yPos[s] = fraction(FieldOr(line, "y=", 0), TextureH);
        width[s] = fraction(FieldOr(line, "width=", 0), TextureW);
        height[s] = fraction(FieldOr(line, "height=", 0), TextureH);
        xOffset[s] = FieldOr(line, "xoffset=", 0);
        yOffset[s] = FieldOr(line, "yoffset=", 0);
        xAdvance[s] = FieldOr(line, "xadvance=", 0);
        if (NumChars < 0xFFFF) ++NumChars;
    }
    return NumChars;
}

int TBitmapFontMetrics::FindChar(std::uint32_t code) const {
    const auto found = ExtraSlots.find(code);
    return found == ExtraSlots.end() ? 0 : found->second;
}

int TBitmapFontMetrics::SlotOf(std::uint32_t code) const {
    return code < BaseSlots ? static_cast<int>(code) : FindChar(code);
}

bool TBitmapFontMetrics::HasGlyph(std::uint32_t code) const {
    return code != 0 && ID[static_cast<size_t>(SlotOf(code))] == static_cast<int>(code);
}

double TBitmapFontMetrics::StringWidth(const std::string& text) const {
    double sum = 0;
    for (size_t pos = 0; pos < text.size();) {
        sum += xAdvance[static_cast<size_t>(SlotOf(NextCharCode(text, pos)))] + CharGap;
    }
    if (sum > 0) sum -= CharGap;
    return sum * ScaleFactor;
}

double TBitmapFontMetrics::StringHeight(const std::string& text) const {
    double sum = 0;
    int count = 0;
    for (size_t pos = 0; pos < text.size(); ++count) {
        sum += height[static_cast<size_t>(SlotOf(NextCharCode(text, pos)))] * TextureH;
    }
    if (count == 0) return 0;
    // The measure divides by one less than the count; a single character must not divide by 0.
    return sum / (count > 1 ? count - 1 : 1) * ScaleFactor;
}

std::string TBitmapFontMetrics::TruncateString(const std::string& text, double maxWidth) const {
    size_t fits = 0;
    for (size_t pos = 0; pos < text.size();) {
        size_t after = pos;
        NextCharCode(text, after);
        if (StringWidth(text.substr(0, after)) > maxWidth * ScaleFactor) break;
        fits = pos = after;
    }
    return text.substr(0, fits);
}

long long TBitmapFontMetrics::CalcVRAM() const {
    return 4LL * NextPowerOfTwo(static_cast<int>(TextureW)) *
           NextPowerOfTwo(static_cast<int>(TextureH));
}
