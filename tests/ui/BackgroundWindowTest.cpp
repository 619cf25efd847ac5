#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "ui/BackgroundWindow.h"

using namespace uitest;

namespace {

TEST(BackgroundWindow, StagesAndGoalFollowBattleGroundCount) {
    struct Case {
        int count, spacing, goal, stage2X;
    };
    // stage2X: target of setStage(2), the goal column when there is no third ground.
    for (const Case c :
         {Case{0, 0, 8, 4}, Case{1, 0, 8, 4}, Case{2, 192, 200, 196}, Case{5, 48, 200, 100}}) {
        BackgroundWindow map(16, 88, 240, 152, 0, 0, 0, 0, 0);
        map.setBattleGroundCount(c.count);
        EXPECT_EQ(map.stageSpacing(), c.spacing) << c.count;
        EXPECT_EQ(map.goalColumn(), c.goal) << c.count;
        map.setStage(2);
        EXPECT_EQ(map.targetX, c.stage2X) << c.count;
        EXPECT_EQ(map.targetY, c.count > 2 ? 44 : 4) << c.count;
        map.setStage(-1);
        EXPECT_EQ(map.targetX, c.goal - 4) << c.count;
        EXPECT_EQ(map.markerX, 4);  // the marker walks there later
    }
}

TEST(BackgroundWindow, MarkerWalksEverySecondFrameAndSnapsAtTheEnd) {
    BackgroundWindow map(0, 0, 256, 64, 0, 0, 0, 0, 0);
    map.targetX = 15;
    std::vector<int> xs;
    std::vector<int> frames;
    for (int i = 0; i < 12; ++i) {
        map.stepMarker();
        xs.push_back(map.markerX);
        frames.push_back(map.markerFrame());
    }
    EXPECT_EQ(xs, (std::vector<int>{4, 6, 6, 8, 8, 10, 10, 12, 12, 14, 14, 15}));
    // The fourth move switches to the second picture; standing on the target (the snap is
    // no move) puts the marker back on the first.
    EXPECT_EQ(frames[6], 0);
    EXPECT_EQ(frames[7], 1);
    EXPECT_EQ(frames[10], 1);
    EXPECT_EQ(frames[11], 0);
    EXPECT_TRUE(map.arrived());
}

TEST(BackgroundWindow, SnapDoesNotCountAsWalkingStep) {
    BackgroundWindow map(0, 0, 256, 64, 0, 0, 0, 0, 0);
    map.moveInterval = 0;
    map.markerX = map.targetX + 3;  // 3 to the right: one step left, then a snap
    map.stepMarker();
    EXPECT_EQ(map.markerX, map.targetX + 1);
    map.targetX = map.markerX + 6;  // the second and third moves, then d = 2 snaps
    for (int i = 0; i < 3; ++i) {
        map.stepMarker();
    }
    EXPECT_TRUE(map.arrived());
    EXPECT_EQ(map.markerFrame(), 0);
}

}  // namespace
