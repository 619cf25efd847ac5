#pragma once

#include <cstdint>
#include <ostream>
#include <vector>

#include "autoplay/AutoPlayer.h"
#include "autoplay/Strategy.h"

// The balance table of the game folder in the working directory: games with seeds firstSeed,
// firstSeed + 1, ... played by each strategy in turn, every strategy's table printed once its
// games are done.
struct BalanceRun {
    static constexpr long long kMaxSeeds = 100'000;
    static constexpr long long kDefaultSeeds = 100;

    long long seeds = kDefaultSeeds;
    std::uint32_t firstSeed = 1;
    std::vector<Strategy> strategies{Strategy(Strategy::Kind::Smart),
                                     Strategy(Strategy::Kind::Careless)};
    // Frames after which a game counts as stuck.
    int frameLimit = AutoPlayer::kMaxFrames;
    // A line on err counting the games, rewritten in place (for a terminal only).
    bool progress = false;

    // Prints the tables on out and trouble on err. Returns 0; 1 when a game never ended (the
    // seeds are listed on err); -1 when script.dat does not load (its report on err).
    int run(std::ostream& out, std::ostream& err) const;
};
