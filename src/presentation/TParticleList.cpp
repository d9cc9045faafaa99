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
    const int percent = Thinned ? std::clamp(PresentationContext().Particles, 0, 100) : 100;
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

void TParticleList::Animate() {
    ForEach([](TParticle& particle) {
        if (particle.DelayCounter <= 0) particle.ManageAnim();
    });
}

void TParticleList::Draw() {
    ForEach([](TParticle& particle) { particle.Draw(); });
}

void TParticleList::FadeAll(float ms) {
    const float length = StepsFromMs(ms);
    ForEach([length](TParticle& particle) {
        particle.FadeIn = 0;
        particle.FadeSustainCounter = 0;
        particle.FadeLength = length;
        particle.FadeCounter = length;
        particle.UseAlpha = 1;
    });
}

void TParticleList::SetUseAlpha(int flag) {
    ForEach([flag](TParticle& particle) { particle.UseAlpha = flag; });
}

void TParticleList::SetBaseScale(float sx, float sy) {
    ForEach([sx, sy](TParticle& particle) {
        particle.BaseScaleX = sx;
        particle.BaseScaleY = sy;
    });
}

void TParticleList::EnableUpdateOriginalCoords() {
    ForEach([](TParticle& particle) {
        if (particle.UpdateOriginalCoords) return;
        particle.StoreOriginalCoords();
        particle.UpdateOriginalCoords = 1;
    });
}

void TParticleList::ScaleCoords() {
    ForEach([](TParticle& particle) { particle.ScaleOriginalCoords(); });
}

void TParticleList::AddOffsets(float dx, float dy) {
    ForEach([dx, dy](TParticle& particle) {
        particle.x += dx;
        particle.y += dy;
    });
}

void TParticleList::ProcessScale(float sx, float sy, float ox, float oy) {
    ForEach([=](TParticle& particle) {
        particle.BaseScaleX = sx;
        particle.BaseScaleY = sy;
        particle.x = sx * particle.ox + ox;
        particle.y = sy * particle.oy + oy;
    });
}

void TParticleList::KillAll() {
    ForEach([](TParticle& particle) { particle.Kill(); });
}
