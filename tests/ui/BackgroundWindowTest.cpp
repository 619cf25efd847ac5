#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "ui/BackgroundWindow.h"

using uitest::kScreenColor;
using uitest::Screen;
using uitest::TempWorkDir;

namespace {

constexpr Pixel kTrack = 0xBF3F3F;

TEST(BackgroundWindow, GeometryFollowsBattleGroundCount) {
    struct Case {
        int count, spacing, goal;
    };
    for (const Case c : {Case{0, 0, 8}, Case{1, 0, 8}, Case{2, 192, 200}, Case{5, 48, 200}}) {
        BackgroundWindow map(16, 88, 240, 152, 0, 0, 0, 0, 0);
        map.setBattleGroundCount(c.count);
        EXPECT_EQ(map.stageSpacing(), c.spacing) << c.count;
        EXPECT_EQ(map.goalColumn(), c.goal) << c.count;
    }
}

TEST(BackgroundWindow, SetStageTargetsStagePointOrGoal) {
    BackgroundWindow map(16, 88, 240, 152, 0, 0, 0, 0, 0);
    map.setBattleGroundCount(5);
    map.setStage(2);
    EXPECT_EQ(map.targetX, 100);
    EXPECT_EQ(map.targetY, 44);
    EXPECT_EQ(map.markerX, 4);  // the marker walks there later
    map.setStage(5);
    EXPECT_EQ(map.targetX, 196);
    EXPECT_EQ(map.targetY, 4);
    map.setStage(-1);
    EXPECT_EQ(map.targetX, 196);
    EXPECT_EQ(map.targetY, 4);

    map.setBattleGroundCount(1);
    map.setStage(0);
    EXPECT_EQ(map.targetX, 4);
    map.setStage(1);
    EXPECT_EQ(map.targetX, 4);
    EXPECT_EQ(map.targetY, 4);
}

TEST(BackgroundWindow, MarkerStepsThenSnapsOntoTarget) {
    BackgroundWindow map(0, 0, 256, 64, 0, 0, 0, 0, 0);
    map.moveInterval = 0;
    map.markerX = map.targetX + 3;
    map.stepMarker();
    EXPECT_EQ(map.markerX, map.targetX + 1);
    EXPECT_FALSE(map.arrived());
    map.stepMarker();
    EXPECT_TRUE(map.arrived());

    // Exactly one step away is a snap, not a move: after three moves it does not complete the
    // fourth that would switch the walking picture.
    map.targetX = map.markerX + 8;
    for (int i = 0; i < 3; ++i) {
        map.stepMarker();
    }
    map.markerY = map.targetY - 2;
    map.targetX = map.markerX;
    map.stepMarker();
    EXPECT_TRUE(map.arrived());
    EXPECT_EQ(map.markerFrame(), 0);
}

TEST(BackgroundWindow, MovesEverySecondFrameAndSwitchesFrameEveryFourthMove) {
    BackgroundWindow map(0, 0, 256, 64, 0, 0, 0, 0, 0);
    map.targetX = 104;
    std::vector<int> xs;
    std::vector<int> frames;
    for (int i = 0; i < 18; ++i) {
        map.stepMarker();
        xs.push_back(map.markerX);
        frames.push_back(map.markerFrame());
    }
    EXPECT_EQ(
        xs, (std::vector<int>{4, 6, 6, 8, 8, 10, 10, 12, 12, 14, 14, 16, 16, 18, 18, 20, 20, 22}));
    // The fourth move (frame 8) shows the second walking picture, the eighth the first again.
    EXPECT_EQ(frames[6], 0);
    EXPECT_EQ(frames[7], 1);
    EXPECT_EQ(frames[14], 1);
    EXPECT_EQ(frames[15], 0);
}

TEST(BackgroundWindow, StandingMarkerShowsFirstPicture) {
    BackgroundWindow map(0, 0, 256, 64, 0, 0, 0, 0, 0);
    map.moveInterval = 0;
    map.targetY = 4;
    for (int i = 0; i < 4; ++i) {
        map.stepMarker();
    }
    ASSERT_EQ(map.markerFrame(), 1);
    map.targetY = map.markerY;
    map.stepMarker();
    EXPECT_EQ(map.markerFrame(), 0);
}

TEST(BackgroundWindow, DrawsTrackStagePointsAndMarker) {
    TempWorkDir dir("background-track");
    ASSERT_TRUE(TempWorkDir::writeTile("circle", 8, 8, 0x0000FF));
    ASSERT_TRUE(TempWorkDir::writeTile("goal", 16, 8, 0x00FF00));
    ASSERT_TRUE(TempWorkDir::writeTile("player1", 4, 4, 0xFFFF00));
    ASSERT_TRUE(TempWorkDir::writeTile("player2", 4, 4, 0xFF00FF));
    Screen screen;
    BackgroundWindow map(16, 88, 240, 152, 0, 0, 0, 0, 0);
    map.setBattleGroundCount(5);
    map.draw(screen.target);

    const int L = 16;
    const int T = 88;
    EXPECT_EQ(screen.at(L + 188, T), 0x00FF00u);  // goal picture
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(screen.at(L + i * 48 + 8, T + 48), 0x0000FFu) << i;
    }
    EXPECT_EQ(screen.at(L + 200, T + 8), 0x0000FFu);  // goal point
    // Horizontal track (L + 16, T + 50)-(L + 200, T + 54), between the stage points.
    EXPECT_EQ(screen.at(L + 16, T + 50), kTrack);
    EXPECT_EQ(screen.at(L + 40, T + 53), kTrack);
    EXPECT_EQ(screen.at(L + 40, T + 54), 0u);
    EXPECT_EQ(screen.at(L + 40, T + 49), 0u);
    // Vertical track (L + 202, T + 16)-(L + 206, T + 48).
    EXPECT_EQ(screen.at(L + 202, T + 16), kTrack);
    EXPECT_EQ(screen.at(L + 205, T + 47), kTrack);
    EXPECT_EQ(screen.at(L + 206, T + 30), 0u);
    EXPECT_EQ(screen.at(L + 201, T + 30), 0u);
    // Marker standing on its first picture at (4, 44).
    EXPECT_EQ(screen.at(L + 4, T + 44), 0xFFFF00u);
    EXPECT_EQ(screen.at(L - 1, T + 44), kScreenColor);
}

TEST(BackgroundWindow, SingleBattleGroundHasNoHorizontalTrack) {
    TempWorkDir dir("background-single");
    ASSERT_TRUE(TempWorkDir::writeTile("circle", 8, 8, 0x0000FF));
    Screen screen;
    BackgroundWindow map(16, 88, 240, 152, 0, 0, 0, 0, 0);
    map.setBattleGroundCount(1);
    map.draw(screen.target);
    for (int x = 16; x < 240; ++x) {
        ASSERT_NE(screen.at(x, 88 + 52), kTrack) << x;
    }
    EXPECT_EQ(screen.at(16 + 8, 88 + 48), 0x0000FFu);
    EXPECT_EQ(screen.at(16 + 8, 88 + 8), 0x0000FFu);
    EXPECT_EQ(screen.at(16 + 10, 88 + 16), kTrack);  // vertical track still joins them
}

}  // namespace
