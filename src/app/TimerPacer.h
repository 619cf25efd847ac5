#pragma once

#include <cstdint>

#include "app/FrameSchedule.h"

// The frame schedule of a loop woken by a timer (the browser's) and read on a high-resolution
// clock in milliseconds. Frames start every 100/3 ms, each due time counted from the previous
// one, so a timer that fires a little late costs no frames: 30.0 a second. A loop that fell a
// whole frame behind (a hidden page, a busy machine) starts again from now rather than running
// the missed frames back to back.
class TimerPacer {
public:
    // How much sooner than due a frame may start: the browser counts a timer from a moment a
    // little before the loop asked for it, and waking again for that fraction of a millisecond
    // would double the loop's wake-ups. The schedule itself does not move.
    static constexpr double kEarly = 1.0;

    explicit TimerPacer(double now) : due_(now + FrameSchedule::kFramePeriod) {}

    // True when a frame starts now.
    bool startsFrame(double now);
    // Whole milliseconds to sleep so that the timer wakes no earlier than the next frame is
    // due; 0 when it is due now.
    std::uint32_t waitTime(double now) const;

private:
    double due_;
};
