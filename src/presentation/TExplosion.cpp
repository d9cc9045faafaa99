#include "presentation/TExplosion.h"

#include "presentation/TExplosionList.h"
#include "presentation/TPresentationContext.h"
#include "presentation/Timing.h"

std::shared_ptr<TExplosion> TExplosion::Create(std::shared_ptr<TGameImage> image, float x,
                                               float y) {
    auto explosion = std::make_shared<TExplosion>();
    explosion->SetImage(std::move(image));
    explosion->SetPosition(x, y);
    return explosion;
}

void TExplosion::StartAnim(float ms, int frames) {
    AnimLength = static_cast<int>(StepsFromMs(ms));
    AnimCounter = static_cast<float>(AnimLength);
    FramesTotal = frames;
}

void TExplosion::Manage() {
    Move();
    ManageScale();
    ManageRotation();
    AnimCounter -= PresentationContext().Delta;
    if (AnimCounter <= 0) Kill();
}

void TExplosion::Kill() {
    TSprite::Kill();
    if (!Explosions) return;
    TExplosionList* list = Explosions;
    Explosions = nullptr;
    list->Remove(this);
}
