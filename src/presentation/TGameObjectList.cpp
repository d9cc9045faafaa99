#include "presentation/TGameObjectList.h"

TGameObjectList::~TGameObjectList() {
    for (const auto& object : Items()) {
        if (object) object->GameObjects = nullptr;
    }
}

std::shared_ptr<TGameObject> TGameObjectList::AddNew(float x, float y,
                                                     std::shared_ptr<TGameImage> image) {
    auto object = TGameObject::Create(std::move(image), x, y);
    object->GameObjects = this;
    AddLast(object);
    return object;
}

void TGameObjectList::Draw() {
    ForEach([](TGameObject& object) { object.Draw(); });
}

void TGameObjectList::Move() {
    ForEach([](TGameObject& object) { object.Move(); });
}

void TGameObjectList::Kill() {
    ForEach([](TGameObject& object) { object.Kill(); });
}
