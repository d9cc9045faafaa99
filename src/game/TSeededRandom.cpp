#include "game/TSeededRandom.h"

#include <utility>

int TSeededRandom::RandomInt(int a, int b) {
    if (b < a) std::swap(a, b);
    return std::uniform_int_distribution<int>(a, b)(Engine);
}
