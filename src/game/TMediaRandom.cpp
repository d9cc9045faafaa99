#include "game/TMediaRandom.h"

#include "media/Media.h"

void TMediaRandom::Seed(std::uint32_t seed) {
    media::SeedRandom(seed);
}

int TMediaRandom::RandomInt(int a, int b) {
    return media::RandomInt(a, b);
}
