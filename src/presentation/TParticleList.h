#pragma once
// Particles moved, animated and drawn together. A particle leaves the list when it dies, even
// in the middle of a pass over the list.

#include <memory>

#include "presentation/TObjectList.h"
#include "presentation/TParticle.h"

class TParticleList : public TObjectList<TParticle> {
public:
    TParticleList() = default;
    TParticleList(const TParticleList&) = delete;
    TParticleList& operator=(const TParticleList&) = delete;
    ~TParticleList();

    // Decorations follow the host's "Particles" amount. A list whose particles tell the player
    // something (score popups, the rings on removed cells) clears this and keeps every one:
    // a thinned-out popup is a missing score.
    bool Thinned = true;

    // Honours the host's "Particles" amount (while Thinned): of every hundred particles asked
    // for, only that many join the list. One that does not is still returned, unlisted and
    // inactive, so the caller may set it up all the same.
    std::shared_ptr<TParticle> AddNew(float x, float y, std::shared_ptr<TGameImage> image, float dx,
                                      float dy, float ygravity, float fadeMs, int lightBlend,
                                      int rotate, float rotationSpeed, float scale,
                                      float scaleSpeed, float lifeMs, int atFront);
    void Manage();
    void Move();
    void Draw();
    // Kills every particle.
    void KillAll();

private:
    float allowance_ = 0;
};
