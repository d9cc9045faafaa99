#pragma once
// A short-lived sprite: a life time, a fade in, sustain and fade out, optional rotation and
// scaling, a start delay, timed phases and hooks for the effect code.

#include <functional>
#include <memory>
#include <vector>

#include "presentation/TParticlePhase.h"
#include "presentation/TSprite.h"

class TParticleList;

class TParticle : public TSprite {
public:
    TParticleList* Particles = nullptr;  // the list that holds it; not owned
    int Hidden = 0;
    float LifeCounter = 0;
    float FadeIn = 0;
    float FadeSustainCounter = 0;
    float FadeCounter = 0;
    float FadeInLength = 0;
    float FadeLength = 0;
    int DoLightBlend = 0;
    int DoRotate = 0;
    int DoScale = 0;
    std::vector<std::shared_ptr<TParticlePhase>> PhaseList;
    std::shared_ptr<TParticlePhase> CurrentPhase;
    float PhaseCounter = 0;
    int NoOutOfBounds = 0;
    int KillOnFade = 1;
    int KillAfterAnim = 0;
    float DelayCounter = 0;
    std::function<void(TParticle&)> DelayFinished;
    int UpdateOriginalCoords = 0;
    std::function<void(TParticle&)> UserMove;
    std::function<void(TParticle&)> DestinationReached;
    int DestX = 0, DestY = 0;
    std::function<void(TParticle&)> UserKill;
    std::shared_ptr<TParticle> AttachedParticle;
    int KillAttachedParticle = 1;

    static std::shared_ptr<TParticle> CreateSpecial(std::shared_ptr<TGameImage> image, float x,
                                                    float y, float dx, float dy, float ygravity,
                                                    float fadeMs, int lightBlend, int rotate,
                                                    float rotationSpeed, float scale,
                                                    float scaleSpeed, float lifeMs);
    void SetDelay(float ms);
    void SetFade(float fadeInMs, float sustainMs, float fadeOutMs);
    std::shared_ptr<TParticlePhase> AddPhase(float ms);
    void StartPhases();
    void KillPhases();
    void ApplyPhase(const std::shared_ptr<TParticlePhase>& phase);
    // 1 when the next phase began, -1 when the last one ended, else 0.
    int ManagePhases();
    // Call Advance() rather than this when the result matters: 0 when the particle died.
    void Move() override;
    int Advance();
    void Draw() override;
    // Killing a particle again (or one already dead) does nothing.
    void Kill() override;
    bool Dead() const { return dead_; }

private:
    size_t phaseIndex_ = 0;
    bool dead_ = false;
};
