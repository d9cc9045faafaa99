#pragma once
// A reproducible random source for replays, tools, tests and benchmarks.

#include <random>

#include "game/TRandomSource.h"

class TSeededRandom : public TRandomSource {
public:
    explicit TSeededRandom(std::uint32_t seed = 1) : Engine(seed) {}
    void Seed(std::uint32_t seed) override { Engine.seed(seed); }
    int RandomInt(int a, int b) override;

private:
    std::mt19937 Engine;
};
