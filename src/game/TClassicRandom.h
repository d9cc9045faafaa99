#pragma once
// The random stream of a Classic game. Its whole state is one number, so an undo can put the
// stream back where it was (the same move then brings the same deal) and a saved game can
// carry it.

#include <cstdint>

#include "game/TRandomSource.h"

class TClassicRandom : public TRandomSource {
public:
    explicit TClassicRandom(std::uint64_t state = 0) : State(state) {}
    void Seed(std::uint32_t seed) override { State = seed; }
    int RandomInt(int a, int b) override;

    std::uint64_t State;

private:
    std::uint64_t Next();
};
