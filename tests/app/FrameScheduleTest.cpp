#include <gtest/gtest.h>

#include "app/FrameSchedule.h"

TEST(FrameSchedule, FrameStartsAtTheFirstWholeMillisecondPastThePeriod) {
    FrameSchedule schedule(1000);
    EXPECT_FALSE(schedule.isDue(1000));
    EXPECT_FALSE(schedule.isDue(1033));
    EXPECT_TRUE(schedule.isDue(1034));
    EXPECT_EQ(schedule.waitTime(1000), 34u);
    EXPECT_EQ(schedule.waitTime(1020), 14u);
    EXPECT_EQ(schedule.waitTime(1033), 1u);
    EXPECT_EQ(schedule.waitTime(1034), 0u);
}

TEST(FrameSchedule, SlowFrameIsFollowedAtOnceByTheNext) {
    FrameSchedule schedule(0);
    schedule.beginFrame(34);
    // The frame's update and draw took 50 ms: no wait at all before the next one.
    EXPECT_TRUE(schedule.isDue(84));
    EXPECT_EQ(schedule.waitTime(84), 0u);
    schedule.beginFrame(84);
    EXPECT_EQ(schedule.frameStart(), 84u);
    EXPECT_EQ(schedule.waitTime(90), 28u);
}

TEST(FrameSchedule, KeepsRunningWhenTheClockWraps) {
    FrameSchedule schedule(0xFFFFFFF0u);
    EXPECT_FALSE(schedule.isDue(0x10u));  // 32 ms later, past the wrap
    EXPECT_EQ(schedule.waitTime(0x10u), 2u);
    EXPECT_TRUE(schedule.isDue(0x12u));
}
