#include "presentation/TColor.h"

#include "media/Media.h"

void TColor::Set(int r, int g, int b, float alpha) {
    R = r;
    G = g;
    B = b;
    Alpha = alpha;
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
