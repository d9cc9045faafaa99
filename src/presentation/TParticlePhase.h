#pragma once
// One timed phase of a particle's life that changes its motion, look or fade.

#include <functional>

class TParticle;

class TParticlePhase {
public:
    float Length = 0;
    int Hidden = 0;
    float dx = 0, dy = 0;
    int SetCoords = 0;
    float SetX = 0, SetY = 0;
    float ygravity = 0;
    float FadeInMS = 0, FadeSustainMS = 0, FadeMS = 0;
    int DoRotate = 0;
    float RotationSpeed = 0;
    int SetAngle = 0;
    float Angle = 0;
    int DoScale = 0;
    float ScaleSpeed = 0;
    float Scale = 0;  // 0 leaves the scale
    int Alpha = -1;   // -1 leaves the alpha
    std::function<void(TParticle&)> UserFunction;

    void SetFade(float fadeInMs, float sustainMs, float fadeOutMs);
};
