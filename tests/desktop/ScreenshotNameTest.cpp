#include <gtest/gtest.h>

#include <set>

#include "app/ScreenshotName.h"

namespace {

std::tm sampleTime() {
    std::tm time{};
    time.tm_year = 2026 - 1900;
    time.tm_mon = 11;  // December
    time.tm_mday = 8;
    time.tm_hour = 9;
    time.tm_min = 5;
    time.tm_sec = 2;
    return time;
}

}  // namespace

TEST(ScreenshotName, StampedNameThenNumberedOnesNeverATakenOne) {
    std::set<std::string> taken;
    auto isTaken = [&](const std::string& name) { return taken.count(name) != 0; };
    EXPECT_EQ(screenshotName(sampleTime(), isTaken), "velkaros-20261208-090502.png");

    taken = {"velkaros-20261208-090502.png"};
    EXPECT_EQ(screenshotName(sampleTime(), isTaken), "velkaros-20261208-090502-2.png");
    taken.insert("velkaros-20261208-090502-2.png");
    EXPECT_EQ(screenshotName(sampleTime(), isTaken), "velkaros-20261208-090502-3.png");

    // A gap left by a deleted shot is filled rather than a later number used.
    taken = {"velkaros-20261208-090502.png", "velkaros-20261208-090502-3.png"};
    EXPECT_EQ(screenshotName(sampleTime(), isTaken), "velkaros-20261208-090502-2.png");
}

TEST(ScreenshotName, GivesUpRatherThanLoopingForever) {
    int asked = 0;
    auto everythingTaken = [&](const std::string&) {
        ++asked;
        return true;
    };
    EXPECT_EQ(screenshotName(sampleTime(), everythingTaken), "");
    EXPECT_EQ(asked, kMaxScreenshotsPerSecond);
}
