#pragma once

#include <cstdint>

#include "app/FrameSchedule.h"

// The frame schedule where the display's refresh drives the loop (the browser calls the game
// once per refresh). A picture can only appear at a refresh, so a frame starts at the refresh
// nearest to the moment the schedule makes it due: at 60 Hz every second refresh, 33.3 ms
// apart, where waiting for the schedule itself would skip to every third. The refresh period is
// learnt from the refreshes seen; gaps of a hidden page are not counted. Between frames the
// loop may sleep instead of waking at every refresh (idleTime): that is what keeps a still
// screen cheap.
class RefreshPacer {
public:
    static constexpr double kMaxRefreshPeriod = 100.0;

    RefreshPacer(std::uint32_t now, double refreshTime)
        : schedule_(now), lastRefresh_(refreshTime) {}

    // Called at every refresh with the millisecond clock and the high-resolution time of the
    // refresh. True when a frame starts now (the schedule then counts from now).
    bool startsFrame(std::uint32_t now, double refreshTime);
    double refreshPeriod() const { return period_; }
    // Milliseconds the loop may sleep before it needs the refreshes again: until a refresh
    // and a half before the next frame is due; 0 when it must watch the next one.
    std::uint32_t idleTime(std::uint32_t now) const;
    // The loop slept: the next refresh does not follow the last one seen.
    void resume() { lastRefresh_ = -1.0; }

private:
    FrameSchedule schedule_;
    double lastRefresh_;
    double period_ = 1000.0 / 60.0;
};
