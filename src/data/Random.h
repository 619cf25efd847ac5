#pragma once

#include <cstdint>

// The game's one random generator, of the C-library kind: state = state * 22695477 + 1
// (32-bit, wrapping), value = bits 16 to 30 of the new state (0 to 32767). Only the battle
// draws from it (the coin toss and the enemy's choice), so a seed replays a game exactly.
class Random {
public:
    // Stores the seed and draws one value, as the C library's seeding does.
    static void seed(std::uint32_t seed);
    static int next();
    static std::uint32_t state() { return state_; }

private:
    static inline std::uint32_t state_ = 1;
};
