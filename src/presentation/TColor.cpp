#include "presentation/TColor.h"

#include "media/Media.h"

std::shared_ptr<TColor> TColor::Create(int r, int g, int b, float alpha) {
    auto color = std::make_shared<TColor>();
    color->Set(r, g, b, alpha);
    return color;
}

void TColor::Set(int r, int g, int b, float alpha) {
    R = r;
    G = g;
    B = b;
    Alpha = alpha;
}

void TColor::Copy(const TColor& other) {
    *this = other;
}

void TColor::Get(int& r, int& g, int& b) const {
    r = R;
    g = G;
    b = B;
}

void TColor::GetFull(int& r, int& g, int& b, float& alpha) const {
    Get(r, g, b);
    alpha = Alpha;
}

void TColor::Apply() const {
    media::SetColor(R, G, B);
    media::SetAlpha(Alpha);
}

void TColor::ApplyNoAlpha() const {
    media::SetColor(R, G, B);
}

void TColor::Restore() {
    media::SetColor(255, 255, 255);
    media::SetAlpha(1.0f);
}
