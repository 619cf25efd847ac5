#include <gtest/gtest.h>

#include <array>

#include "UiTestSupport.h"
#include "data/Animation.h"
#include "ui/AnimationWindow.h"
#include "ui/InnerWindow.h"

using namespace uitest;

namespace {

TEST(InnerWindow, TilesTheFrameAndFillsTheInteriorLast) {
    Screen screen;
    InnerWindow window(16, 56, 240, 104, 16, 16, 16, 0, kBack);
    window.draw(screen.target);
    EXPECT_EQ(screen.at(23, 63), partColor(WindowPart::BorderTopLeft));
    EXPECT_EQ(screen.at(16, 96), partColor(WindowPart::BorderBottomLeft));
    EXPECT_EQ(screen.at(232, 56), partColor(WindowPart::BorderTopRight));
    EXPECT_EQ(screen.at(239, 103), partColor(WindowPart::BorderBottomRight));
    for (int x = 24; x < 232; ++x) {  // 26 tiles along the top and the bottom
        ASSERT_EQ(screen.at(x, 56), partColor(WindowPart::BorderTop)) << x;
        ASSERT_EQ(screen.at(x, 103), partColor(WindowPart::BorderBottom)) << x;
    }
    for (int y = 64; y < 96; ++y) {
        ASSERT_EQ(screen.at(16, y), partColor(WindowPart::BorderLeft)) << y;
        ASSERT_EQ(screen.at(239, y), partColor(WindowPart::BorderRight)) << y;
    }
    EXPECT_EQ(screen.at(24, 64), kBack);
    EXPECT_EQ(screen.at(231, 95), kBack);
    EXPECT_EQ(screen.at(240, 80), kScreenColor);
}

TEST(InnerWindow, CornersAndSidesCoverEdgesOfOddSizes) {
    // 21 x 25: the top edge tile at x = 18 runs under the right corner at x = 23; the side
    // tiles at y = 28 and 36 reach into the bottom corners at y = 37 and are drawn after them.
    Screen screen;
    InnerWindow window(10, 20, 31, 45, 0, 0, 0, 0, kBack);
    window.draw(screen.target);
    EXPECT_EQ(screen.at(22, 20), partColor(WindowPart::BorderTop));
    EXPECT_EQ(screen.at(23, 20), partColor(WindowPart::BorderTopRight));
    EXPECT_EQ(screen.at(23, 44), partColor(WindowPart::BorderBottomRight));
    EXPECT_EQ(screen.at(10, 43), partColor(WindowPart::BorderLeft));
    EXPECT_EQ(screen.at(10, 44), partColor(WindowPart::BorderBottomLeft));
    EXPECT_EQ(screen.at(30, 43), partColor(WindowPart::BorderRight));
    EXPECT_EQ(screen.at(22, 36), kBack);
    EXPECT_EQ(screen.at(23, 36), partColor(WindowPart::BorderRight));
}

TEST(InnerWindow, SmallestAndHiddenWindows) {
    Screen screen;
    InnerWindow corners(40, 40, 56, 56, 0, 0, 0, 0, kBack);
    corners.draw(screen.target);
    EXPECT_EQ(screen.at(48, 47), partColor(WindowPart::BorderTopRight));
    EXPECT_EQ(screen.at(47, 48), partColor(WindowPart::BorderBottomLeft));
    EXPECT_EQ(screen.at(48, 48), partColor(WindowPart::BorderBottomRight));

    InnerWindow hidden(0, 0, 256, 224, 0, 0, 0, 0, kBack);
    hidden.visible = false;
    hidden.draw(screen.target);
    EXPECT_EQ(screen.at(0, 0), kScreenColor);
    EXPECT_EQ(screen.at(100, 100), kScreenColor);
}

TEST(WindowImages, IsReachableOnlyWhileAlive) {
    {
        WindowImages set;  // no such files here: every picture stays empty
        EXPECT_EQ(WindowImages::instance(), &set);
        EXPECT_TRUE(set.image(WindowPart::HpFull).empty());
    }
    EXPECT_EQ(WindowImages::instance(), nullptr);
    DIBImage target(32, 32);
    InnerWindow window(0, 0, 32, 32, 0, 0, 0, 0, kBack);
    window.draw(target);  // without a set: the interior only
    EXPECT_EQ(target.pixel(0, 0), 0u);
    EXPECT_EQ(target.pixel(8, 8), kBack);
}

// A 64 x 64 square at the drawing position that counts its updates and remembers the clip
// rectangle it was drawn under.
struct ProbeAnimation : Animation {
    void drawTo(Image& target, int x, int y) const override {
        clipSeen = {target.clipX0(), target.clipY0(), target.clipX1(), target.clipY1()};
        target.fillRect(0x00FF00, x, y, x + 64, y + 64);
    }
    void update() override { ++updates; }
    mutable std::array<int, 4> clipSeen{};
    int updates = 0;
};

TEST(AnimationWindow, ClipsToWindowRestoresClipAndAdvancesOncePerDraw) {
    Screen screen;
    screen.target.setClip(1, 2, 250, 220);
    ProbeAnimation probe;
    AnimationWindow window(100, 100, 132, 120, 0, 0, 0, 0, 0);
    window.draw(screen.target);  // no animation: the fill alone, no border
    EXPECT_EQ(screen.at(100, 100), 0u);
    EXPECT_EQ(screen.at(131, 119), 0u);

    window.animation = &probe;
    window.draw(screen.target);
    EXPECT_EQ(probe.clipSeen, (std::array<int, 4>{100, 100, 132, 120}));
    EXPECT_EQ(screen.at(131, 119), 0x00FF00u);
    EXPECT_EQ(screen.at(132, 119), kScreenColor);
    EXPECT_EQ(screen.at(131, 120), kScreenColor);
    EXPECT_EQ(screen.target.clipX0(), 1);
    EXPECT_EQ(screen.target.clipY1(), 220);
    EXPECT_EQ(probe.updates, 0);

    window.animate = true;
    window.draw(screen.target);
    window.draw(screen.target);
    window.visible = false;
    window.draw(screen.target);
    EXPECT_EQ(probe.updates, 2);

    Image face;  // the scenes show plain pictures here too
    face.resize(4, 4);
    face.fillRect(0xABCDEF, 0, 0, 4, 4);
    window.animation = &face;
    window.visible = true;
    window.draw(screen.target);
    EXPECT_EQ(screen.at(103, 103), 0xABCDEFu);
}

TEST(AnimationWindow, WindowReachingOutsideTargetKeepsTargetClip) {
    Screen screen;
    ProbeAnimation probe;
    AnimationWindow window(230, 10, 270, 30, 0, 0, 0, 0, 0);
    window.animation = &probe;
    window.draw(screen.target);
    EXPECT_EQ(probe.clipSeen, (std::array<int, 4>{0, 0, 256, 224}));
    EXPECT_EQ(screen.at(240, 50), 0x00FF00u);  // runs below the window
}

}  // namespace
