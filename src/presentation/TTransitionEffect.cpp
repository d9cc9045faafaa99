#include "presentation/TTransitionEffect.h"

#include "presentation/Timing.h"

std::shared_ptr<TTransitionEffect> TTransitionEffect::Create(int type, float ms) {
    auto effect = std::make_shared<TTransitionEffect>();
    effect->EffectType = type;
    effect->Length = static_cast<int>(StepsFromMs(ms));
    return effect;
}

std::shared_ptr<TTransitionEffect> TTransitionEffect::CreateCopy() const {
    auto copy = std::make_shared<TTransitionEffect>();
    copy->EffectType = EffectType;
    copy->Length = Length;
    copy->ScrollSpeedX = ScrollSpeedX;
    copy->ScrollSpeedY = ScrollSpeedY;
    copy->MaskImage = MaskImage;
    copy->MaskStartSize = MaskStartSize;
    copy->MaskEndSize = MaskEndSize;
    return copy;
}
