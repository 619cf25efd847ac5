#pragma once

#include <cstdint>
#include <random>

#include "platform/KeySource.h"

// A random player for soak runs: taps one key at a time, mostly decide, sometimes an arrow,
// rarely cancel, each held for a frame or two with short pauses between. The same seed gives
// the same presses on every machine.
class MonkeyKeySource : public KeySource {
public:
    explicit MonkeyKeySource(std::uint32_t seed) : random_(seed) {}

    // Chooses what is down during the next frame.
    void step();
    bool isDown(int virtualKey) const override { return virtualKey != 0 && virtualKey == held_; }

private:
    int pick();
    int below(int limit) { return static_cast<int>(random_() % static_cast<unsigned>(limit)); }

    std::minstd_rand random_;
    int held_ = 0;
    int holdFrames_ = 0;
    int pauseFrames_ = 0;
};
