#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "data/Animation.h"
#include "ui/AnimationWindow.h"

using uitest::kScreenColor;
using uitest::Screen;

namespace {

// A 64 x 64 square of one colour at the drawing position that counts its updates and
// remembers the clip rectangle it was drawn under.
class ProbeAnimation : public Animation {
public:
    void drawTo(Image& target, int x, int y) const override {
        clipSeen = {target.clipX0(), target.clipY0(), target.clipX1(), target.clipY1()};
        target.fillRect(kColor, x, y, x + 64, y + 64);
    }
    void update() override { ++updates; }

    static constexpr Pixel kColor = 0x00FF00;
    mutable std::array<int, 4> clipSeen{};
    int updates = 0;
};

TEST(AnimationWindow, FillsWholeRectangleWithoutBorder) {
    Screen screen;
    AnimationWindow window(80, 8, 176, 56, 0, 0, 0, 0, 0);
    window.draw(screen.target);
    for (int y = 8; y < 56; ++y) {
        for (int x = 80; x < 176; ++x) {
            ASSERT_EQ(screen.at(x, y), 0u) << x << "," << y;
        }
    }
    EXPECT_EQ(screen.at(79, 8), kScreenColor);
    EXPECT_EQ(screen.at(80, 56), kScreenColor);
}

TEST(AnimationWindow, ClipsAnimationToWindowAndRestoresClip) {
    Screen screen;
    screen.target.setClip(1, 2, 250, 220);
    ProbeAnimation probe;
    AnimationWindow window(100, 100, 132, 120, 0, 0, 0, 0, 0x0000FF);
    window.animation = &probe;
    window.draw(screen.target);

    EXPECT_EQ(probe.clipSeen, (std::array<int, 4>{100, 100, 132, 120}));
    EXPECT_EQ(screen.at(131, 119), ProbeAnimation::kColor);
    EXPECT_EQ(screen.at(132, 119), kScreenColor);
    EXPECT_EQ(screen.at(131, 120), kScreenColor);
    EXPECT_EQ(screen.target.clipX0(), 1);
    EXPECT_EQ(screen.target.clipY0(), 2);
    EXPECT_EQ(screen.target.clipX1(), 250);
    EXPECT_EQ(screen.target.clipY1(), 220);
    EXPECT_EQ(probe.updates, 0);  // animate is off
}

TEST(AnimationWindow, WindowReachingOutsideTargetKeepsTargetClip) {
    Screen screen;
    ProbeAnimation probe;
    AnimationWindow window(230, 10, 270, 30, 0, 0, 0, 0, 0);
    window.animation = &probe;
    window.draw(screen.target);
    EXPECT_EQ(probe.clipSeen, (std::array<int, 4>{0, 0, 256, 224}));
    // Not restricted to the window: the square runs below its bottom edge.
    EXPECT_EQ(screen.at(240, 50), ProbeAnimation::kColor);
}

TEST(AnimationWindow, AdvancesAnimationOncePerVisibleDraw) {
    Screen screen;
    ProbeAnimation probe;
    AnimationWindow window(0, 0, 16, 16, 0, 0, 0, 0, 0);
    window.animation = &probe;
    window.animate = true;
    window.draw(screen.target);
    window.draw(screen.target);
    EXPECT_EQ(probe.updates, 2);
    window.visible = false;
    window.draw(screen.target);
    EXPECT_EQ(probe.updates, 2);
}

TEST(AnimationWindow, DrawsPlainImageEvenWhenAnimateIsOn) {
    Screen screen;
    Image face;
    face.resize(4, 4);
    face.fillRect(0xABCDEF, 0, 0, 4, 4);
    AnimationWindow window(20, 20, 40, 40, 0, 0, 0, 0, 0);
    window.animation = &face;
    window.animate = true;
    window.draw(screen.target);
    EXPECT_EQ(screen.at(23, 23), 0xABCDEFu);
    EXPECT_EQ(screen.at(24, 24), 0u);
}

}  // namespace
