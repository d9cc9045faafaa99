// Renders a TrueType face into a bitmap-font texture and its ".fnt" description: white
// glyphs (the game tints them) with a dark rim that keeps them readable on any backdrop.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Canvas.h"
#include "Typeface.h"

namespace quillox::assets {

struct BakedGlyph {
    int code;
    int x, y, width, height;  // place in the texture
    int xOffset, yOffset, xAdvance;
};

class FontBaker {
public:
    // Characters `face` lacks are drawn from `fallback` when given (a face of another script).
    FontBaker(const Typeface& face, int pixelSize, double outline,
              const Typeface* fallback = nullptr);

    // Renders the codes (Unicode) into a texture of the given width; the height is the
    // smallest power of two that holds them. False when neither face can render a glyph, whose
    // code is then MissingCode().
    [[nodiscard]] bool Bake(const std::vector<int>& codes, int textureWidth);

    const Canvas* Texture() const { return texture_.get(); }
    const std::vector<BakedGlyph>& Glyphs() const { return glyphs_; }
    int LineHeight() const { return lineHeight_; }
    int Base() const { return base_; }
    int MissingCode() const { return missing_; }
    // The description in the text layout the game's font reader expects.
    std::string FntText(const std::string& faceName, const std::string& textureFile) const;

private:
    struct Bitmap {
        int width = 0, height = 0, left = 0, top = 0, advance = 0;
        std::vector<float> fill, rim;
    };
    Bitmap Render(FT_Face f, int code) const;

    const Typeface& face_;
    const Typeface* fallback_;
    int missing_ = 0;
    int pixelSize_;
    double outline_;
    int lineHeight_ = 0;
    int base_ = 0;
    std::vector<BakedGlyph> glyphs_;
    std::vector<std::string> kernings_;
    std::unique_ptr<Canvas> texture_;
};

}  // namespace quillox::assets
