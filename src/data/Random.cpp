#include "data/Random.h"

void Random::seed(std::uint32_t seed) {
    state_ = seed;
    next();
}

int Random::next() {
    state_ = state_ * 22695477u + 1u;
    return static_cast<int>((state_ >> 16) & 0x7FFF);
}
