#pragma once
// The game's seven particle lists, made once at start-up and kept for the whole run.

#include <memory>

#include "presentation/TParticleList.h"

extern std::unique_ptr<TParticleList> DrainParticles;
extern std::unique_ptr<TParticleList> ScoreParticles;
extern std::unique_ptr<TParticleList> RingParticles;
extern std::unique_ptr<TParticleList> BurstParticles;
extern std::unique_ptr<TParticleList> SurfaceParticles;
extern std::unique_ptr<TParticleList> TrailParticles;
extern std::unique_ptr<TParticleList> ExtraParticles;

void CreateParticleLists();
// Drops every particle and the lists, before the display closes.
void KillParticleLists();
