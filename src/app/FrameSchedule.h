#pragma once

#include <cstdint>

// When the next frame may start, from millisecond clock readings. A frame is due once more than
// 100/3 ms have passed since the previous one started (with a whole-millisecond clock: 34 ms).
// Between frames a shell handles its events and otherwise waits at most waitTime(). Differences
// are taken on the wrapping 32-bit clock, so the schedule keeps running when it wraps around.
class FrameSchedule {
public:
    static constexpr double kFramePeriod = 33.333333333333336;

    explicit FrameSchedule(std::uint32_t now) : start_(now) {}

    bool isDue(std::uint32_t now) const { return !(kFramePeriod >= sinceStart(now)); }
    // Milliseconds until a frame is due; 0 when one is due now.
    std::uint32_t waitTime(std::uint32_t now) const;
    // Marks the start of a frame.
    void beginFrame(std::uint32_t now) { start_ = now; }
    std::uint32_t frameStart() const { return start_; }

private:
    double sinceStart(std::uint32_t now) const { return static_cast<double>(now - start_); }

    std::uint32_t start_;
};
