#pragma once
// A sprite that lives in a list and leaves it when it moves off the screen.

#include <memory>

#include "presentation/TSprite.h"

class TGameObjectList;

class TGameObject : public TSprite {
public:
    // The list that holds it; not owned.
    TGameObjectList* GameObjects = nullptr;

    static std::shared_ptr<TGameObject> Create(std::shared_ptr<TGameImage> image, float x, float y);
    void Move() override;
    void Kill() override;
};
