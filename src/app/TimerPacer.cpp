#include "app/TimerPacer.h"

#include <cmath>

bool TimerPacer::startsFrame(double now) {
    if (now + kEarly < due_) {
        return false;
    }
    due_ += FrameSchedule::kFramePeriod;
    if (due_ <= now) {
        due_ = now + FrameSchedule::kFramePeriod;
    }
    return true;
}

std::uint32_t TimerPacer::waitTime(double now) const {
    return now >= due_ ? 0 : static_cast<std::uint32_t>(std::ceil(due_ - now));
}
