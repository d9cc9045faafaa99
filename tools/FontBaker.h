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
    // At a scale above 1 the texture is drawn with `scale` texels a pixel: every glyph rendered
    // at that many times the size, in a cell `scale` times the size of its place at scale 1,
    // so one description (the layout of scale 1) serves every scale. Characters `face` lacks
    // are drawn from `fallback` when given (a face of another script).
    FontBaker(const Typeface& face, int pixelSize, double outline, int scale,
              const Typeface* fallback = nullptr);

    // Renders the codes (Unicode) into a texture of the given width (in pixels of scale 1); the
    // height is the smallest power of two that holds them. False when neither face can render a
    // glyph, whose code is then MissingCode().
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
    Bitmap Render(FT_Face f, int code, double outline) const;
    void SetPixelSize(int size) const;
    void Kernings(const std::vector<int>& codes);
    // Draws the glyphs laid out at scale 1, each rendered at the texture's scale.
    void Paint(const std::vector<Bitmap>& layout);
    void PaintGlyph(const BakedGlyph& g, const Bitmap& b, int left, int top, int scale);

    const Typeface& face_;
    const Typeface* fallback_;
    int missing_ = 0;
    int pixelSize_;
    double outline_;
    int scale_;
    int lineHeight_ = 0;
    int base_ = 0;
    std::vector<BakedGlyph> glyphs_;
    std::vector<FT_Face> faces_;  // the face each glyph is drawn from
    std::vector<std::string> kernings_;
    std::unique_ptr<Canvas> texture_;
};

}  // namespace quillox::assets
