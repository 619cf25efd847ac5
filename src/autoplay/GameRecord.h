#pragma once

#include <cstdint>
#include <string>
#include <vector>

// How one automatic game went.
struct GameRecord {
    // The battles one hero of the roster fought in a game, and how many of them it won.
    struct HeroBattles {
        int fought = 0;
        int won = 0;
    };

    std::uint32_t seed = 0;
    bool won = false;   // the ending text came up
    bool lost = false;  // the game-over text came up
    // The highest battle-ground number a heading showed, and how many were won.
    int reached = 0;
    int cleared = 0;
    int turns = 0;
    int frames = 0;
    // By roster index; as long as the roster of the first hero selection.
    std::vector<HeroBattles> heroes;
    // Why the game stopped without an ending or a game over; empty otherwise.
    std::string error;
};
