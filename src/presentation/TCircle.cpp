#include "presentation/TCircle.h"

#include "media/Media.h"

std::shared_ptr<TCircle> TCircle::Create(int x, int y, int r, const std::optional<TColor>& color) {
    auto circle = std::make_shared<TCircle>();
    circle->x = static_cast<float>(x);
    circle->y = static_cast<float>(y);
    circle->r = static_cast<float>(r);
    circle->Color = color;
    return circle;
}

void TCircle::Draw() const {
    if (Color) Color->Apply();
    media::DrawOval(x - r, y - r, 2 * r, 2 * r);
    TColor::Restore();
}
