#include "system/DrawHelpers.h"

#include "media/Media.h"
#include "system/ScreenSize.h"

void ResetDrawState() {
    media::SetBlend(media::SOLIDBLEND);
    media::SetAlpha(1.0f);
    media::SetColor(255, 255, 255);
}

void DimScreen(float alpha) {
    media::SetBlend(media::ALPHABLEND);
    media::SetColor(0, 0, 0);
    media::SetAlpha(alpha);
    media::DrawRect(0, 0, ScreenWidth, ScreenHeight);
    media::SetColor(255, 255, 255);
    media::SetAlpha(1.0f);
}

void DrawRectOutline(float x, float y, float w, float h) {
    const float right = x + w, bottom = y + h;
    media::DrawLine(x, y, right, y);
    media::DrawLine(right, y, right, bottom);
    media::DrawLine(right, bottom, x, bottom);
    media::DrawLine(x, bottom, x, y);
}
