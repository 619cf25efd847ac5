#include "app/FrameSchedule.h"

#include <cmath>

std::uint32_t FrameSchedule::waitTime(std::uint32_t now) const {
    if (isDue(now)) {
        return 0;
    }
    // The first whole millisecond past the period.
    const auto dueAfter = static_cast<std::uint32_t>(std::floor(kFramePeriod)) + 1;
    return dueAfter - (now - start_);
}
