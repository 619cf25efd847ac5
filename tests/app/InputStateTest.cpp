#include <gtest/gtest.h>

#include <set>

#include "app/InputState.h"
#include "platform/KeySource.h"

namespace {

constexpr int kSpace = 0x20;
constexpr int kLeftKey = 0x25;
constexpr int kLeftMouse = 1;

class FakeKeys : public KeySource {
public:
    bool isDown(int virtualKey) const override { return down.count(virtualKey) != 0; }
    std::set<int> down;
};

}  // namespace

TEST(InputState, PressOnlyInTheFirstPolledFrame) {
    InputState input;
    FakeKeys keys;
    keys.down = {kSpace};
    for (int frame = 1; frame <= 3; ++frame) {
        input.poll(keys);
        EXPECT_EQ(input.heldFrames[ButtonDecide], frame);
        EXPECT_EQ(input.isPressed(ButtonDecide), frame == 1);
    }
    keys.down.clear();
    input.poll(keys);
    EXPECT_EQ(input.heldFrames[ButtonDecide], 0);
    keys.down = {kSpace};
    input.poll(keys);
    EXPECT_TRUE(input.isPressed(ButtonDecide));
}

TEST(InputState, TwoInputsOfOneButtonCountAsOneHold) {
    InputState input;
    FakeKeys keys;
    keys.down = {kSpace, kLeftMouse};
    input.poll(keys);
    EXPECT_TRUE(input.isPressed(ButtonDecide));
    // Letting go of the space bar while the mouse button stays down is no new press.
    keys.down = {kLeftMouse};
    input.poll(keys);
    EXPECT_FALSE(input.isPressed(ButtonDecide));
    EXPECT_EQ(input.heldFrames[ButtonDecide], 2);
    // The right mouse button is the second input of cancel.
    keys.down = {2};
    input.poll(keys);
    EXPECT_TRUE(input.isPressed(ButtonCancel));
    EXPECT_EQ(input.heldFrames[ButtonDecide], 0);
}

TEST(InputState, WheelNotchesArePressesOfLeftAndRight) {
    InputState input;
    FakeKeys keys;
    // Several notches between two polls: one press.
    input.wheel(120);
    input.wheel(120);
    input.wheel(240);
    input.poll(keys);
    EXPECT_TRUE(input.isPressed(ButtonLeft));
    EXPECT_FALSE(input.isPressed(ButtonRight));
    // A notch in the very next frame continues the hold: no second press.
    input.wheel(1);
    input.poll(keys);
    EXPECT_EQ(input.heldFrames[ButtonLeft], 2);
    EXPECT_FALSE(input.isPressed(ButtonLeft));
    // A frame without a notch releases it; the next notch is a new press.
    input.poll(keys);
    EXPECT_EQ(input.heldFrames[ButtonLeft], 0);
    input.wheel(-1);
    input.poll(keys);
    EXPECT_TRUE(input.isPressed(ButtonRight));
    EXPECT_FALSE(input.isPressed(ButtonLeft));
}

TEST(InputState, WheelWhileTheCursorKeyIsHeldIsNoNewPress) {
    InputState input;
    FakeKeys keys;
    keys.down = {kLeftKey};
    input.poll(keys);
    input.poll(keys);
    input.wheel(1);
    input.poll(keys);
    EXPECT_EQ(input.heldFrames[ButtonLeft], 3);
    EXPECT_FALSE(input.isPressed(ButtonLeft));
}
