#include "presentation/TLine.h"

#include <cmath>

std::shared_ptr<TLine> TLine::Create(double sx, double sy, double ex, double ey) {
    auto line = std::make_shared<TLine>();
    line->sx = sx;
    line->sy = sy;
    line->ex = ex;
    line->ey = ey;
    return line;
}

std::shared_ptr<TLine> TLine::CreateFromVector(double sx, double sy, const TVector& vector) {
    return Create(sx, sy, sx + vector.x, sy + vector.y);
}

void TLine::SetFromVector(const TVector& vector, double startX, double startY) {
    sx = startX;
    sy = startY;
    ex = startX + vector.x;
    ey = startY + vector.y;
}

double TLine::CalcLength() {
    length = std::hypot(ex - sx, ey - sy);
    return length;
}

double TLine::CalcSlope() const {
    return (ey - sy) / (ex - sx);
}

TVector TLine::GetVector() const {
    TVector vector;
    vector.x = ex - sx;
    vector.y = ey - sy;
    return vector;
}

void TLine::Draw(int lastPixel) const {
    if (Color) Color->Apply();
    GetVector().Draw(static_cast<float>(sx), static_cast<float>(sy), lastPixel);
    TColor::Restore();
}
