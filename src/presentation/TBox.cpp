#include "presentation/TBox.h"

#include "media/Media.h"

void TBox::Init(float x, float y, float w, float h, const std::optional<TColor>& color) {
    X = x;
    Y = y;
    W = w;
    H = h;
    Color = color;
}

void TBox::Draw() const {
    if (!Color) return;
    Color->Apply();
    media::DrawRect(X, Y, W, H);
    TColor::Restore();
}
