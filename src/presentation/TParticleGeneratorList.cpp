#include "presentation/TParticleGeneratorList.h"

std::shared_ptr<TParticleGenerator> TParticleGeneratorList::Add(
    float x, float y, int qty, float intervalMs, std::function<void(TParticleGenerator&)> make) {
    auto generator = TParticleGenerator::Create(x, y, qty, intervalMs, std::move(make), 0, 0, 1);
    if (generator->Qty > 0) Generators.push_back(generator);
    return generator;
}

void TParticleGeneratorList::Manage() {
    // A generator's function may add generators; those wait for the next step.
    const auto current = Generators;
    for (const auto& generator : current) {
        if (generator->Manage() == 1) std::erase(Generators, generator);
    }
}
