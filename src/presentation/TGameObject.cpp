#include "presentation/TGameObject.h"

#include "presentation/TGameObjectList.h"

std::shared_ptr<TGameObject> TGameObject::Create(std::shared_ptr<TGameImage> image, float x,
                                                 float y) {
    auto object = std::make_shared<TGameObject>();
    object->SetImage(std::move(image));
    object->SetPosition(x, y);
    return object;
}

void TGameObject::Move() {
    TSprite::Move();
    if (OutOfBounds()) Kill();
}

void TGameObject::Kill() {
    if (!GameObjects) return;
    TGameObjectList* list = GameObjects;
    GameObjects = nullptr;
    list->Remove(this);
}
