#pragma once
// How a slide enters, holds or leaves: plain, from black, to black or cross-faded from the
// slide before, with scrolling, zooming and an optional growing mask.

#include <memory>

#include "presentation/TGameImage.h"

class TTransitionEffect {
public:
    int EffectType = 0;  // 0 plain, 1 fade from black, 2 fade to black, 3 cross-fade
    int Length = 0;
    float ScrollSpeedX = 0, ScrollSpeedY = 0, ZoomSpeed = 0;
    std::shared_ptr<TGameImage> MaskImage;
    float MaskStartSize = 1, MaskEndSize = 1;
    int MaskAndFade = 0;

    static std::shared_ptr<TTransitionEffect> Create(int type, float ms);
    std::shared_ptr<TTransitionEffect> CreateCopy() const;
};
