#include "presentation/TExplosionList.h"

TExplosionList::~TExplosionList() {
    for (const auto& explosion : Items()) {
        if (explosion) explosion->Explosions = nullptr;
    }
}

std::shared_ptr<TExplosion> TExplosionList::AddNew(float x, float y,
                                                   std::shared_ptr<TGameImage> image) {
    auto explosion = TExplosion::Create(std::move(image), x, y);
    explosion->Explosions = this;
    AddLast(explosion);
    return explosion;
}

void TExplosionList::Manage() {
    ForEach([](TExplosion& explosion) { explosion.Manage(); });
}

void TExplosionList::Draw() {
    ForEach([](TExplosion& explosion) { explosion.Draw(); });
}
