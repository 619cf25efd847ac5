#include <gtest/gtest.h>

#include "app/InputState.h"
#include "platform/headless/ScriptedKeySource.h"

namespace {

constexpr int kSpace = 0x20;
constexpr int kUp = 0x26;

}  // namespace

TEST(ScriptedKeySource, KeysHoldFromTheirStepUntilTheNext) {
    // Steps out of order are sorted by frame.
    ScriptedKeySource keys({{5, {}, 0}, {2, {kSpace, kUp}, 0}});
    InputState input;
    std::vector<int> decideHeld;
    for (int frame = 0; frame < 7; ++frame) {
        keys.beginFrame(frame, input);
        input.poll(keys);
        decideHeld.push_back(input.heldFrames[ButtonDecide]);
    }
    EXPECT_EQ(decideHeld, (std::vector<int>{0, 0, 1, 2, 3, 0, 0}));
    EXPECT_FALSE(keys.isDown(0));
}

TEST(ScriptedKeySource, WheelNotchesCountOnlyInTheirOwnFrame) {
    ScriptedKeySource keys({{1, {}, 3}, {2, {}, -1}, {4, {}, 1}});
    InputState input;
    // Frame 4 is skipped: its notch is stale by frame 6 and never arrives.
    for (int frame : {0, 1, 2, 3, 6}) {
        keys.beginFrame(frame, input);
        input.poll(keys);
        switch (frame) {
            case 1:
                EXPECT_TRUE(input.isPressed(ButtonLeft));
                break;
            case 2:
                EXPECT_TRUE(input.isPressed(ButtonRight));
                EXPECT_FALSE(input.isPressed(ButtonLeft));
                break;
            default:
                EXPECT_FALSE(input.isPressed(ButtonLeft)) << frame;
                EXPECT_FALSE(input.isPressed(ButtonRight)) << frame;
                break;
        }
    }
}
