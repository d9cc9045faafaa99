#pragma once
// The rules' random numbers drawn from the media layer's generator, the one the effects use too,
// so a seeded run replays the same level.

#include "game/TRandomSource.h"

class TMediaRandom : public TRandomSource {
public:
    void Seed(std::uint32_t seed) override;
    int RandomInt(int a, int b) override;
};
