#pragma once
// A sprite that plays its frames once and dies.

#include <memory>

#include "presentation/TSprite.h"

class TExplosionList;

class TExplosion : public TSprite {
public:
    TExplosionList* Explosions = nullptr;  // not owned

    static std::shared_ptr<TExplosion> Create(std::shared_ptr<TGameImage> image, float x, float y);
    void StartAnim(float ms, int frames);
    void Manage();
    void Kill() override;
};
