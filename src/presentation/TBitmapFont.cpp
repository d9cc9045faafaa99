#include "presentation/TBitmapFont.h"

#include <algorithm>
#include <cmath>

#include "presentation/TPresentationContext.h"
#include "system/CheckedLoaders.h"
#include "system/ReportError.h"

namespace {

double Rounded(double value) {
    return std::floor(value + 0.5);
}

}  // namespace

std::shared_ptr<TBitmapFont> TBitmapFont::Create(const std::string& basePath, int flags) {
    auto font = std::make_shared<TBitmapFont>();
    media::AutoMidHandle(false);
    font->Image = LoadImageChecked(basePath + ".png", flags);
    if (font->Image) media::SetImageHandle(font->Image, 0, 0);
    const std::string fntPath = basePath + ".fnt";
    // A damaged file reads as a font without characters, and every text drawn with it would
    // silently vanish: that is no better than a missing file.
    if (font->ReadFnt(OpenFileChecked(fntPath)) == 0)
        ReportError("Error loading file " + fntPath, true);
    return font;
}

int TBitmapFont::ReadFnt(const std::string& text) {
    const double textureW = Image ? media::ImageWidth(Image) : 0;
    const double textureH = Image ? media::ImageHeight(Image) : 0;
    return TBitmapFontMetrics::ReadFnt(text, textureW, textureH);
}

void TBitmapFont::Draw(const std::string& text, float x, float y, int centre, int right, int roundX,
                       int roundY, int shadow) {
    if (text.empty() || !Image) return;
    int savedR = 255, savedG = 255, savedB = 255;
    if (shadow) {
        media::GetColor(savedR, savedG, savedB);
        media::SetColor(0, 0, 0);
        const TPresentationContext& context = PresentationContext();
        media::SetAlpha(context.TextShadowAlpha * context.TextAlpha);
        x += context.TextShadowX;
        y += context.TextShadowY;
    }
    float sx = 1, sy = 1;
    media::GetDrawScale(sx, sy);
    const double savedHandleX = HandleX;
    if (centre || right) {
        const double w = StringWidth(text);
        if (ChangeHandle) {
            HandleX += centre ? w / 2 : w * sx;
        } else {
            x -= static_cast<float>(centre ? w / 2 * sx : w * sx);
        }
    }
    sx *= static_cast<float>(ScaleFactor);
    sy *= static_cast<float>(ScaleFactor);
    // The ink the glyphs cover and the characters the font lacks, for the text log.
    TTextRect ink{x, y, 0, 0};
    bool inked = false;
    int missing = 0;
    for (size_t pos = 0; pos < text.size();) {
        const std::uint32_t code = NextCharCode(text, pos);
        const auto s = static_cast<size_t>(SlotOf(code));
        if (code != ' ' && ID[s] != static_cast<int>(code)) ++missing;
        media::SetFrameTexCoords(Image, 0, static_cast<float>(xPos[s]), static_cast<float>(yPos[s]),
                                 static_cast<float>(xPos[s] + width[s]),
                                 static_cast<float>(yPos[s] + height[s]));
        double gw = width[s] * TextureW * ScaleFactor;
        double gh = height[s] * TextureH * ScaleFactor;
        const double advance = xAdvance[s] + CharGap;
        if (ChangeHandle) {
            media::SetImageHandle(Image, static_cast<float>(HandleX - xOffset[s] * ScaleFactor),
                                  static_cast<float>(HandleY - yOffset[s] * ScaleFactor));
            media::DrawImageRectFrame(Image, x, y, static_cast<float>(gw), static_cast<float>(gh),
                                      0);
            HandleX -= advance * ScaleFactor;
            continue;
        }
        double gx = x + xOffset[s] * sx;
        double gy = y + yOffset[s] * sy;
        if (roundX) {
            gx = Rounded(gx);
            gw = Rounded(gw);
        }
        if (roundY) {
            gy = Rounded(gy);
            gh = Rounded(gh);
        }
        if (gw > 0 && gh > 0) {
            media::DrawImageRectFrame(Image, static_cast<float>(gx), static_cast<float>(gy),
                                      static_cast<float>(gw), static_cast<float>(gh), 0);
            const auto right = static_cast<float>(gx + gw * sx / ScaleFactor);
            const auto bottom = static_cast<float>(gy + gh * sy / ScaleFactor);
            if (!inked) ink = {static_cast<float>(gx), static_cast<float>(gy), 0, 0};
            const float left = std::min(ink.X, static_cast<float>(gx));
            const float top = std::min(ink.Y, static_cast<float>(gy));
            ink.W = std::max(ink.X + ink.W, right) - left;
            ink.H = std::max(ink.Y + ink.H, bottom) - top;
            ink.X = left;
            ink.Y = top;
            inked = true;
        }
        x += static_cast<float>(advance * sx);
    }
    if (ChangeHandle) {
        // The handle walks along the text while drawing; the next text starts from the same one.
        HandleX = savedHandleX;
        media::SetImageHandle(Image, 0, 0);
    }
    if (shadow) {
        media::SetColor(savedR, savedG, savedB);
        media::SetAlpha(PresentationContext().TextAlpha);
    } else if (!ChangeHandle) {
        LogDrawnText(text, ink, missing);
    }
}

void TBitmapFont::DrawAligned(const std::string& text, float x, float y, int alignment, int roundX,
                              int roundY, int shadow) {
    if (alignment < 0 || alignment > 2) return;
    Draw(text, x, y, alignment == 1, alignment == 2, roundX, roundY, shadow);
}

void TBitmapFont::DrawAlignedWithShadow(const std::string& text, float x, float y, int alignment,
                                        int roundX, int roundY) {
    DrawAligned(text, x, y, alignment, roundX, roundY, 1);
    DrawAligned(text, x, y, alignment, roundX, roundY, 0);
}
