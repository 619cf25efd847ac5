#include "app/RefreshPacer.h"

bool RefreshPacer::startsFrame(std::uint32_t now, double refreshTime) {
    const double previous = lastRefresh_;
    const double since = refreshTime - previous;
    lastRefresh_ = refreshTime;
    if (previous >= 0.0 && since > 0.0 && since < kMaxRefreshPeriod) {
        // Smoothed over about eight refreshes: a late callback moves it little.
        period_ += (since - period_) / 8.0;
    }
    // Due before the next refresh is halfway here: this refresh is the nearest one.
    const auto lead = static_cast<std::uint32_t>(period_ / 2.0);
    if (!schedule_.isDue(now + lead)) {
        return false;
    }
    schedule_.beginFrame(now);
    return true;
}

std::uint32_t RefreshPacer::idleTime(std::uint32_t now) const {
    // The frame starts at the first refresh less than half a period before it is due; waking a
    // period and a half before it is due leaves a whole period for a late timer (with less,
    // frames were missed).
    const double wait = static_cast<double>(schedule_.waitTime(now)) - 1.5 * period_;
    return wait >= 1.0 ? static_cast<std::uint32_t>(wait) : 0;
}
