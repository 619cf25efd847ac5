#include "app/RefreshPacer.h"

bool RefreshPacer::startsFrame(std::uint32_t now, double refreshTime) {
    const double since = refreshTime - lastRefresh_;
    lastRefresh_ = refreshTime;
    if (since > 0.0 && since < kMaxRefreshPeriod) {
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
