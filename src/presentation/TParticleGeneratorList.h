#pragma once
// Particle generators managed together; a generator leaves when it has emitted everything.

#include <functional>
#include <memory>
#include <vector>

#include "presentation/TParticleGenerator.h"

class TParticleGeneratorList {
public:
    std::vector<std::shared_ptr<TParticleGenerator>> Generators;

    // Emits the first particle at once; kept only while more remain to be emitted.
    std::shared_ptr<TParticleGenerator> Add(float x, float y, int qty, float intervalMs,
                                            std::function<void(TParticleGenerator&)> make);
    void Manage();
};
