#include "presentation/TextDrawing.h"

#include <cmath>

#include "media/Media.h"
#include "presentation/TBitmapFont.h"
#include "presentation/TPresentationContext.h"
#include "presentation/TextLog.h"
#include "system/ScreenSize.h"
#include "system/TextLines.h"

namespace {

float Rounded(float value) {
    return std::floor(value + 0.5f);
}

}  // namespace

// Draws in the current TrueType font and notes the text in the frame's log.
void DrawTextLogged(const std::string& text, float x, float y) {
    media::DrawTextAt(text, x, y);
    float sx = 1, sy = 1;
    media::GetDrawScale(sx, sy);
    LogDrawnText(text,
                 {x, y, static_cast<float>(media::TextWidthOf(text)) * sx,
                  static_cast<float>(media::TextHeightOf(text)) * sy},
                 0);
}

void DrawTextShadowed(float x, float y, const std::string& text, int centre) {
    if (centre) x -= static_cast<float>(media::TextWidthOf(text)) / 2;
    const int blend = media::GetBlend();
    int r = 255, g = 255, b = 255;
    media::GetColor(r, g, b);
    media::SetBlend(media::ALPHABLEND);
    media::SetColor(0, 0, 0);
    const TPresentationContext& context = PresentationContext();
    media::SetAlpha(context.TextShadowAlpha * context.TextAlpha);
    media::DrawTextAt(text, x + context.TextShadowX, y + context.TextShadowY);
    media::SetColor(r, g, b);
    media::SetAlpha(context.TextAlpha);
    DrawTextLogged(text, x, y);
    media::SetBlend(blend);
}

void DrawTextAligned(const std::string& text, float x, float y, int shadow, int alignment,
                     int round) {
    if (alignment < 0 || alignment > 2) return;
    if (alignment == 1) {
        float sx = 1, sy = 1;
        media::GetDrawScale(sx, sy);
        float w = static_cast<float>(media::TextWidthOf(text));
        if (sx != 1) w *= sx;
        if (sy != 1) {
            const float h = static_cast<float>(media::TextHeightOf(text));
            y -= (h * sy - h) / 2;
        }
        x -= w / 2;
    }
    if (round) {
        x = Rounded(x);
        y = Rounded(y);
    }
    if (alignment == 2) x -= static_cast<float>(media::TextWidthOf(text));
    if (shadow) {
        DrawTextShadowed(x, y, text, 0);
    } else {
        DrawTextLogged(text, x, y);
    }
}

std::vector<std::string> WrapLines(const std::vector<std::string>& lines, float maxWidth,
                                   const TBitmapFont* bitmapFont, float scale) {
    return WrapLines(lines, maxWidth, [bitmapFont, scale](const std::string& text) {
        const double width = bitmapFont ? bitmapFont->StringWidth(text) : media::TextWidthOf(text);
        return static_cast<float>(width) * scale;
    });
}
