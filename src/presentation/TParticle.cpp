#include "presentation/TParticle.h"

#include "media/Media.h"
#include "presentation/TParticleList.h"
#include "presentation/TPresentationContext.h"
#include "presentation/Timing.h"

std::shared_ptr<TParticle> TParticle::CreateSpecial(std::shared_ptr<TGameImage> image, float x,
                                                    float y, float dx, float dy, float ygravity,
                                                    float fadeMs, int lightBlend, int rotate,
                                                    float rotationSpeed, float scale,
                                                    float scaleSpeed, float lifeMs) {
    auto particle = std::make_shared<TParticle>();
    particle->SetImage(std::move(image));
    particle->SetPosition(x, y);
    particle->dx = dx;
    particle->dy = dy;
    if (lifeMs > 0) particle->LifeCounter = StepsFromMs(lifeMs);
    particle->FadeLength = StepsFromMs(static_cast<float>(static_cast<int>(fadeMs)));
    particle->FadeCounter = particle->FadeLength;
    if (particle->FadeLength > 0) particle->UseAlpha = 1;
    particle->ygravity = ygravity;
    particle->DoLightBlend = lightBlend;
    particle->DoRotate = rotate;
    particle->RotationAnim.Speed = rotationSpeed;
    particle->ScaleX = scale;
    particle->ScaleY = scale;
    if (scaleSpeed != 0) {
        particle->ScaleAnim.XSpeed = scaleSpeed;
        particle->ScaleAnim.YSpeed = scaleSpeed;
        particle->DoScale = 1;
    }
    particle->active = 1;
    return particle;
}

void TParticle::SetDelay(float ms) {
    DelayCounter = StepsFromMs(ms);
}

void TParticle::SetFade(float fadeInMs, float sustainMs, float fadeOutMs) {
    if (fadeInMs > 0) {
        FadeIn = 1;
        UseAlpha = 1;
        Alpha = 0;
    } else {
        FadeIn = 0;
    }
    FadeInLength = StepsFromMs(fadeInMs);
    FadeSustainCounter = StepsFromMs(sustainMs);
    FadeLength = StepsFromMs(fadeOutMs);
    if (FadeIn) {
        FadeCounter = 0;
    } else {
        FadeCounter = FadeLength;
        UseAlpha = 1;
    }
}

std::shared_ptr<TParticlePhase> TParticle::AddPhase(float ms) {
    auto phase = std::make_shared<TParticlePhase>();
    phase->Length = StepsFromMs(ms);
    PhaseList.push_back(phase);
    return phase;
}

void TParticle::StartPhases() {
    if (PhaseList.empty()) return;
    phaseIndex_ = 0;
    ApplyPhase(PhaseList.front());
}

void TParticle::KillPhases() {
    PhaseList.clear();
    CurrentPhase.reset();
    phaseIndex_ = 0;
}

void TParticle::ApplyPhase(const std::shared_ptr<TParticlePhase>& phase) {
    PhaseCounter = 0;
    CurrentPhase = phase;
    Hidden = phase->Hidden;
    dx = phase->dx;
    dy = phase->dy;
    if (phase->SetCoords == 1) {
        x = phase->SetX;
        y = phase->SetY;
    }
    ygravity = phase->ygravity;
    SetFade(static_cast<float>(static_cast<int>(phase->FadeInMS)),
            static_cast<float>(static_cast<int>(phase->FadeSustainMS)),
            static_cast<float>(static_cast<int>(phase->FadeMS)));
    DoRotate = phase->DoRotate;
    RotationAnim.Speed = phase->RotationSpeed;
    DoScale = phase->DoScale;
    ScaleAnim.XSpeed = phase->ScaleSpeed;
    ScaleAnim.YSpeed = phase->ScaleSpeed;
    if (phase->Scale != 0) {
        ScaleX = phase->Scale;
        ScaleY = phase->Scale;
    }
    if (phase->Alpha != -1) Alpha = static_cast<float>(phase->Alpha);
    if (phase->SetAngle) Rotation = phase->Angle;
}

int TParticle::ManagePhases() {
    if (!CurrentPhase) return 0;
    PhaseCounter += PresentationContext().Delta;
    if (PhaseCounter < CurrentPhase->Length) return 0;
    // The phase is held while its function runs, which may drop the phases.
    const std::shared_ptr<TParticlePhase> ended = CurrentPhase;
    if (ended->UserFunction) ended->UserFunction(*this);
    if (phaseIndex_ + 1 >= PhaseList.size()) return -1;
    ++phaseIndex_;
    ApplyPhase(PhaseList[phaseIndex_]);
    return 1;
}

void TParticle::Move() {
    Advance();
}

int TParticle::Advance() {
    if (dead_) return 0;
    if (DelayCounter > 0) {
        DelayCounter -= PresentationContext().Delta;
        if (DelayCounter > 0) {
            Hidden = 1;
            return 1;
        }
        DelayCounter = 0;
        Hidden = 0;
        StartPhases();
        if (DelayFinished) DelayFinished(*this);
    }
    if (!PhaseList.empty() && ManagePhases() == -1) {
        Kill();
        return 0;
    }
    if (UserMove) {
        UserMove(*this);
    } else if (UpdateOriginalCoords) {
        MoveOriginalCoords();
    } else {
        TSprite::Move();
    }
    if (DestinationReached) {
        const bool reachedX =
            dx > 0 ? x >= static_cast<float>(DestX) : x <= static_cast<float>(DestX);
        const bool reachedY =
            dy > 0 ? y >= static_cast<float>(DestY) : y <= static_cast<float>(DestY);
        if (reachedX && reachedY) DestinationReached(*this);
    }
    if (!NoOutOfBounds && OutOfBounds()) {
        Kill();
        return 0;
    }

    if (FadeIn) {
        FadeCounter += PresentationContext().Delta;
        if (FadeCounter >= FadeInLength) {
            FadeCounter = FadeLength;
            FadeIn = 0;
            Alpha = 1;
        }
    } else if (FadeSustainCounter > 0) {
        FadeSustainCounter -= PresentationContext().Delta;
        if (FadeSustainCounter <= 0) FadeCounter = FadeLength;
    } else if (FadeCounter > 0) {
        FadeCounter -= PresentationContext().Delta;
        if (FadeCounter <= 0) {
            Alpha = 0;
            if (KillOnFade) Kill();
        }
    }
    if (DoRotate > 0) {
        Rotation += RotationAnim.Speed * PresentationContext().Delta;
        if (Rotation >= 360) Rotation -= 360;
    } else if (DoRotate < 0) {
        Rotation -= RotationAnim.Speed * PresentationContext().Delta;
        if (Rotation < 0) Rotation += 360;
    }
    if (DoScale == 1) {
        ScaleX += ScaleAnim.XSpeed * PresentationContext().Delta;
        ScaleY += ScaleAnim.YSpeed * PresentationContext().Delta;
        if (ScaleX <= 0 || ScaleY <= 0) Kill();
    }
    if (LifeCounter > 0) {
        LifeCounter -= PresentationContext().Delta;
        if (LifeCounter <= 0) Kill();
    }
    return dead_ ? 0 : 1;
}

void TParticle::Draw() {
    if (!active || Hidden == 1) return;
    if (FadeCounter > 0) {
        const float length = FadeIn ? FadeInLength : FadeLength;
        if (length > 0) Alpha = FadeCounter / length;
    }
    if (DoLightBlend) media::SetBlend(media::LIGHTBLEND);
    TSprite::Draw();
    if (DoLightBlend) media::SetBlend(media::ALPHABLEND);
}

void TParticle::Kill() {
    if (dead_) return;
    dead_ = true;
    TSprite::Kill();
    if (UserKill) UserKill(*this);
    active = 0;
    if (Particles) {
        TParticleList* list = Particles;
        Particles = nullptr;
        list->Remove(this);
    }
    if (AttachedParticle) {
        auto attached = std::move(AttachedParticle);
        AttachedParticle.reset();
        if (KillAttachedParticle == 1) attached->Kill();
    }
}
