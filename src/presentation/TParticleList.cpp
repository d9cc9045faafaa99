#include "presentation/TParticleList.h"

#include <algorithm>

#include "presentation/TPresentationContext.h"
#include "presentation/Timing.h"

TParticleList::~TParticleList() {
    for (const auto& particle : Items()) {
        if (particle) particle->Particles = nullptr;
    }
}

std::shared_ptr<TParticle> TParticleList::AddNew(float x, float y,
                                                 std::shared_ptr<TGameImage> image, float dx,
                                                 float dy, float ygravity, float fadeMs,
                                                 int lightBlend, int rotate, float rotationSpeed,
                                                 float scale, float scaleSpeed, float lifeMs,
                                                 int atFront) {
    auto particle =
        TParticle::CreateSpecial(std::move(image), x, y, dx, dy, ygravity, fadeMs, lightBlend,
                                 rotate, rotationSpeed, scale, scaleSpeed, lifeMs);
    const TPresentationContext& context = PresentationContext();
    int percent = Thinned ? std::clamp(context.Particles, 0, 100) : 100;
    if (Thinned && context.ReducedMotion)
        percent = std::min(percent, TPresentationContext::ReducedMotionParticles);
    allowance_ += static_cast<float>(percent) / 100.0f;
    if (allowance_ < 1.0f - 1e-4f) {
        particle->active = 0;
        return particle;
    }
    allowance_ = std::max(0.0f, allowance_ - 1.0f);
    particle->Particles = this;
    if (atFront) {
        AddFirst(particle);
    } else {
        AddLast(particle);
    }
    return particle;
}

void TParticleList::Manage() {
    ForEach([](TParticle& particle) {
        particle.Advance();
        if (particle.Dead() || particle.DelayCounter > 0) return;
        if (particle.ManageAnim() && particle.KillAfterAnim) particle.Kill();
    });
}

void TParticleList::Move() {
    ForEach([](TParticle& particle) { particle.Advance(); });
}

void TParticleList::Draw() {
    ForEach([](TParticle& particle) { particle.Draw(); });
}

void TParticleList::KillAll() {
    ForEach([](TParticle& particle) { particle.Kill(); });
}
