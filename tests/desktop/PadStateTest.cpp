#include <gtest/gtest.h>

#include "app/PadState.h"

namespace {

constexpr int kUp = 0x26;
constexpr int kDown = 0x28;
constexpr int kLeft = 0x25;
constexpr int kRight = 0x27;
constexpr int kSpace = 0x20;
constexpr int kShift = 0x10;
constexpr int kAllKeys[] = {kUp, kDown, kLeft, kRight, kSpace, kShift, 1, 2};

// The virtual keys the pad holds, as a string of their names, for readable failures.
std::string held(const PadState& pad) {
    std::string names;
    const char* labels[] = {"up", "down", "left", "right", "decide", "cancel", "lmouse", "rmouse"};
    for (int i = 0; i < 8; ++i) {
        if (pad.isDown(kAllKeys[i])) {
            names += names.empty() ? "" : " ";
            names += labels[i];
        }
    }
    return names;
}

}  // namespace

TEST(PadState, ButtonsAnswerForTheirKeysOnly) {
    PadState pad;
    EXPECT_EQ(held(pad), "");
    pad.south = true;
    EXPECT_EQ(held(pad), "decide");
    pad = {};
    pad.east = true;
    EXPECT_EQ(held(pad), "cancel");
    pad = {};
    pad.up = pad.right = true;
    EXPECT_EQ(held(pad), "up right");
    pad = {};
    pad.down = pad.left = true;
    EXPECT_EQ(held(pad), "down left");
    // Code 0 means "no key" and the mouse codes belong to the mouse.
    pad.south = pad.east = pad.up = pad.right = true;
    EXPECT_FALSE(pad.isDown(0));
    EXPECT_FALSE(pad.isDown(1));
    EXPECT_FALSE(pad.isDown(2));
}

TEST(PadState, StickCountsOnlyBeyondHalfItsRange) {
    PadState pad;
    const struct {
        int x, y;
        const char* expected;
    } cases[] = {
        {0, 0, ""},
        {16383, -16383, ""},  // just inside the dead zone
        {-16383, 16383, ""},
        {16384, 0, "right"},  // the edge counts
        {-16384, 0, "left"},
        {0, -16384, "up"},
        {0, 16384, "down"},
        {32767, 32767, "down right"},  // full diagonal holds both
        {-32768, -32768, "up left"},
        {-32768, 10000, "left"},  // leaning mostly one way
    };
    for (const auto& c : cases) {
        pad.stickX = c.x;
        pad.stickY = c.y;
        EXPECT_EQ(held(pad), c.expected) << "stick at " << c.x << ", " << c.y;
    }
}
