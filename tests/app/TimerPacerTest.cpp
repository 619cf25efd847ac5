#include "app/TimerPacer.h"

#include <gtest/gtest.h>

namespace {

// A loop that sleeps as told and whose timer fires `late` ms after it was asked to; returns
// the frames started in the first `seconds` seconds.
int framesIn(double seconds, double late) {
    TimerPacer pacer(0.0);
    int frames = 0;
    for (double now = 0.0; now < seconds * 1000.0;) {
        if (pacer.startsFrame(now)) {
            ++frames;
        }
        const std::uint32_t wait = pacer.waitTime(now);
        now += wait == 0 ? 0.1 : wait + late;
    }
    return frames;
}

TEST(TimerPacer, ThirtyFramesASecondEvenWithLateTimers) {
    for (const double late : {0.0, 1.0, 4.0, 15.0}) {
        // The 300th is due at 10 s exactly: on time or not yet.
        const int frames = framesIn(10.0, late);
        EXPECT_GE(frames, 299) << late << " ms late";
        EXPECT_LE(frames, 300) << late << " ms late";
    }
}

TEST(TimerPacer, NeverWakesBeforeAFrameIsDueAndNeverCatchesUp) {
    TimerPacer pacer(100.0);
    EXPECT_FALSE(pacer.startsFrame(100.0));
    // Due at 133.33: a timer of the whole milliseconds asked for fires on time or later.
    EXPECT_EQ(pacer.waitTime(100.0), 34u);
    EXPECT_FALSE(pacer.startsFrame(132.0));
    EXPECT_EQ(pacer.waitTime(132.0), 2u);
    // A timer that fires a fraction of a millisecond early starts the frame all the same, and
    // the next one is still due at 166.67.
    EXPECT_TRUE(pacer.startsFrame(133.0));
    EXPECT_EQ(pacer.waitTime(134.0), 33u);
    // Hidden for two seconds: one frame now, the next a whole period later, not a burst.
    EXPECT_TRUE(pacer.startsFrame(2134.0));
    EXPECT_FALSE(pacer.startsFrame(2134.5));
    EXPECT_EQ(pacer.waitTime(2134.0), 34u);
}

}  // namespace
