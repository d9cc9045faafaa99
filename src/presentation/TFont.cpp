#include "presentation/TFont.h"

#include "presentation/TPresentationContext.h"

void TFont::Init(const media::Font& imageFont, const std::optional<TColor>& color,
                 const std::optional<TShadow>& shadow, int fixedWidth,
                 std::shared_ptr<TBitmapFont> bitmapFont, const std::optional<TColor>& inverseColor,
                 const std::string& name) {
    ImageFont = imageFont;
    Color = color;
    Shadow = shadow;
    FixedWidth = fixedWidth;
    BitmapFont = std::move(bitmapFont);
    InverseColor = inverseColor;
    Name = name;
    CalcHeight();
}

void TFont::Apply() const {
    if (Color) {
        ApplyCustomColor(*Color);
        return;
    }
    if (Shadow) Shadow->ApplyToText();
    if (!BitmapFont) media::SetDrawFont(ImageFont);
}

void TFont::ApplyCustomColor(const TColor& color) const {
    color.Apply();
    if (Shadow) {
        Shadow->ApplyToText();
        PresentationContext().TextAlpha = color.Alpha;
    }
    if (!BitmapFont) media::SetDrawFont(ImageFont);
}

void TFont::ApplyInverse() const {
    if (InverseColor) InverseColor->Apply();
    if (!BitmapFont) media::SetDrawFont(ImageFont);
}

void TFont::ApplyScale(double scale) {
    if (BitmapFont) {
        OldScale = BitmapFont->ScaleFactor;
        BitmapFont->ScaleFactor = scale;
    } else {
        media::SetDrawScale(static_cast<float>(scale), static_cast<float>(scale));
    }
}

void TFont::RestoreScale() {
    if (BitmapFont) {
        BitmapFont->ScaleFactor = OldScale;
    } else {
        media::SetDrawScale(1, 1);
    }
}

float TFont::CalcHeight() {
    if (BitmapFont) {
        H = static_cast<float>(BitmapFont->StringHeight("ABCXYZ"));
    } else {
        // The TrueType font must be current to be measured.
        const media::Font current = media::GetDrawFont();
        media::SetDrawFont(ImageFont);
        H = static_cast<float>(media::TextHeightOf("ABCXYZ"));
        media::SetDrawFont(current);
    }
    return H;
}

void TFont::Kill() {
    BitmapFont.reset();
    ImageFont.reset();
    Color.reset();
    InverseColor.reset();
    Shadow.reset();
}
