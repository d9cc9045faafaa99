#include "presentation/TParticlePhase.h"

void TParticlePhase::SetFade(float fadeInMs, float sustainMs, float fadeOutMs) {
    FadeInMS = fadeInMs;
    FadeSustainMS = sustainMs;
    FadeMS = fadeOutMs;
}
