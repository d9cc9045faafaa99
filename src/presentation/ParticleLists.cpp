#include "presentation/ParticleLists.h"

std::unique_ptr<TParticleList> DrainParticles;
std::unique_ptr<TParticleList> ScoreParticles;
std::unique_ptr<TParticleList> RingParticles;
std::unique_ptr<TParticleList> BurstParticles;
std::unique_ptr<TParticleList> SurfaceParticles;
std::unique_ptr<TParticleList> TrailParticles;
std::unique_ptr<TParticleList> ExtraParticles;

namespace {
std::unique_ptr<TParticleList>* const AllLists[] = {
    &DrainParticles,   &ScoreParticles, &RingParticles, &BurstParticles,
    &SurfaceParticles, &TrailParticles, &ExtraParticles};
}

void CreateParticleLists() {
    for (auto* list : AllLists) *list = std::make_unique<TParticleList>();
}

void KillParticleLists() {
    for (auto* list : AllLists) list->reset();
}
