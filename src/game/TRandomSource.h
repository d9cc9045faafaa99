#pragma once
// Where the rules get their random numbers. The game hands in the media layer's generator;
// tests and tools hand in a seeded or scripted one so that a level can be replayed.

#include <cstdint>

class TRandomSource {
public:
    virtual ~TRandomSource() = default;
    virtual void Seed(std::uint32_t seed) = 0;
    // Uniform in a..b, both ends included.
    virtual int RandomInt(int a, int b) = 0;
};
