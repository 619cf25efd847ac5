#include "app/RefreshPacer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// Frames started over a second of refreshes at the given rate, as the millisecond clock reads
// them; returns the refresh indices that started one.
std::vector<int> framesAt(double hertz, int refreshes) {
    const double period = 1000.0 / hertz;
    RefreshPacer pacer(0, 0.0);
    std::vector<int> started;
    for (int i = 1; i <= refreshes; ++i) {
        const double time = i * period;
        if (pacer.startsFrame(static_cast<std::uint32_t>(std::floor(time)), time)) {
            started.push_back(i);
        }
    }
    return started;
}

double meanGap(const std::vector<int>& started, double hertz) {
    return (started.back() - started.front()) * 1000.0 / hertz /
           static_cast<double>(started.size() - 1);
}

TEST(RefreshPacer, SixtyHertzShowsEverySecondRefresh) {
    const std::vector<int> started = framesAt(60.0, 120);
    ASSERT_GT(started.size(), 50u);
    for (std::size_t i = 1; i < started.size(); ++i) {
        EXPECT_EQ(started[i] - started[i - 1], 2) << "after refresh " << started[i - 1];
    }
}

TEST(RefreshPacer, FastDisplaysKeepAboutThirtyFrames) {
    // Never faster than the schedule allows, less than a refresh slower.
    for (const double hertz : {75.0, 120.0, 144.0, 240.0}) {
        const std::vector<int> started = framesAt(hertz, static_cast<int>(hertz) * 2);
        const double gap = meanGap(started, hertz);
        EXPECT_GE(gap, 33.0) << hertz << " Hz";
        EXPECT_LE(gap, 34.0 + 1000.0 / hertz) << hertz << " Hz";
    }
}

TEST(RefreshPacer, ARefreshAfterAHiddenPageStartsAFrameAtOnce) {
    RefreshPacer pacer(0, 0.0);
    // The page was hidden for two seconds: no refreshes, then one.
    EXPECT_TRUE(pacer.startsFrame(2000, 2000.0));
    EXPECT_NEAR(pacer.refreshPeriod(), 1000.0 / 60.0, 1e-9);
    EXPECT_FALSE(pacer.startsFrame(2016, 2016.7));
}

TEST(RefreshPacer, SleepsBetweenFramesAndWakesBeforeTheRefreshThatStartsOne) {
    RefreshPacer pacer(0, 0.0);
    ASSERT_FALSE(pacer.startsFrame(16, 16.7));
    ASSERT_TRUE(pacer.startsFrame(33, 33.3));
    // The next frame is due at 67 ms and may start at a refresh from 59 ms on: the loop
    // sleeps, but wakes before that.
    const std::uint32_t idle = pacer.idleTime(34);
    EXPECT_GT(idle, 0u);
    EXPECT_LT(34 + idle, 59);
    EXPECT_EQ(pacer.idleTime(56), 0u);
    // Woken after the sleep: the gap to the last refresh seen is no refresh period.
    const double period = pacer.refreshPeriod();
    pacer.resume();
    EXPECT_FALSE(pacer.startsFrame(50, 50.0));
    EXPECT_DOUBLE_EQ(pacer.refreshPeriod(), period);
    EXPECT_TRUE(pacer.startsFrame(66, 66.7));
}

}  // namespace
