#pragma once

#include <cstdint>

#include "platform/Clock.h"

// The clock of runs without a window: time passes only when the runner says so, one frame
// period per step, so a run gives the same result on any machine at any load.
class FrameClock : public Clock {
public:
    static constexpr std::uint32_t kFrameMilliseconds = 34;

    std::uint32_t milliseconds() const override { return now_; }
    void sleep(std::uint32_t milliseconds) override { now_ += milliseconds; }
    void step() { now_ += kFrameMilliseconds; }

private:
    std::uint32_t now_ = 0;
};
