#pragma once

#include <cstdint>
#include <string>

// How one automatic game went.
struct GameRecord {
    std::uint32_t seed = 0;
    bool won = false;   // the ending text came up
    bool lost = false;  // the game-over text came up
    // The highest battle-ground number a heading showed, and how many were won.
    int reached = 0;
    int cleared = 0;
    int turns = 0;
    int frames = 0;
    // Why the game stopped without an ending or a game over; empty otherwise.
    std::string error;
};
