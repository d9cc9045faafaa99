#include "presentation/TShadow.h"

#include "media/Media.h"
#include "presentation/TPresentationContext.h"

TShadow TShadow::Create(float x, float y, float alpha) {
    TShadow shadow;
    shadow.Init(x, y, alpha);
    return shadow;
}

void TShadow::Init(float x, float y, float alpha) {
    X = x;
    Y = y;
    Alpha = alpha;
}

void TShadow::ApplyToText() const {
    PresentationContext().TextShadowX = X;
    PresentationContext().TextShadowY = Y;
    PresentationContext().TextShadowAlpha = Alpha;
}
