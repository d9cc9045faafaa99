#include "presentation/TVector.h"

#include <cmath>
#include <numbers>

#include "media/Media.h"

std::shared_ptr<TVector> TVector::Create(double x, double y) {
    auto vector = std::make_shared<TVector>();
    vector->x = x;
    vector->y = y;
    return vector;
}

std::shared_ptr<TVector> TVector::CreateFromPoints(double x1, double y1, double x2, double y2) {
    return Create(x2 - x1, y2 - y1);
}

std::shared_ptr<TVector> TVector::CreateFromVectorsAdded(const TVector& a, const TVector& b) {
    return Create(a.x + b.x, a.y + b.y);
}

std::shared_ptr<TVector> TVector::CreateFromVectorScaled(const TVector& a, double s) {
    return Create(a.x * s, a.y * s);
}

std::shared_ptr<TVector> TVector::CreateFromVectorsSubtracted(const TVector& a, const TVector& b) {
    return Create(a.x - b.x, a.y - b.y);
}

std::shared_ptr<TVector> TVector::CreateCopy() const {
    return Create(x, y);
}

void TVector::CopyFrom(const TVector& other) {
    x = other.x;
    y = other.y;
}

void TVector::AddVector(const TVector& other) {
    x += other.x;
    y += other.y;
}

void TVector::SubtractVector(const TVector& other) {
    x -= other.x;
    y -= other.y;
}

void TVector::Multiply(double s) {
    x *= s;
    y *= s;
}

void TVector::Scale(double s) {
    Multiply(s);
}

void TVector::Reverse() {
    x = -x;
    y = -y;
}

void TVector::Normalise() {
    const double length = CalcLength();
    if (length == 0) return;
    x /= length;
    y /= length;
}

double TVector::CalcLength() const {
    return std::sqrt(x * x + y * y);
}

TVector TVector::CalcNormal() const {
    TVector normal;
    normal.x = -y;
    normal.y = x;
    return normal;
}

double TVector::CalcSlope() const {
    return y / x;
}

double TVector::DotProduct(const TVector& other) const {
    return x * other.x + y * other.y;
}

void TVector::Rotate(double degrees) {
    const double a = degrees * std::numbers::pi / 180.0;
    const double oldX = x;
    x = oldX * std::cos(a) - y * std::sin(a);
    y = oldX * std::sin(a) + y * std::cos(a);
}

void TVector::Rebound(const TVector& surface) {
    TVector n = surface.CalcNormal();
    n.Normalise();
    const double d = n.DotProduct(*this);
    x -= 2 * d * n.x;
    y -= 2 * d * n.y;
}

void TVector::Draw(float px, float py, int lastPixel) const {
    const float ex = px + static_cast<float>(x);
    const float ey = py + static_cast<float>(y);
    // Without its last pixel the line stops one pixel short of the end point.
    if (!lastPixel && CalcLength() >= 1) {
        const double length = CalcLength();
        media::DrawLine(px, py, ex - static_cast<float>(x / length),
                        ey - static_cast<float>(y / length));
        return;
    }
    media::DrawLine(px, py, ex, ey);
}
