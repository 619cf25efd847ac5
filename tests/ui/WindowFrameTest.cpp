#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "ui/InnerWindow.h"

using uitest::kScreenColor;
using uitest::partColor;
using uitest::Screen;

namespace {

constexpr Pixel kBack = 0xFFBF9F;

TEST(InnerWindow, TilesTheFrameOfTheMessageWindow) {
    Screen screen;
    InnerWindow window(16, 56, 240, 104, 16, 16, 16, 0, kBack);
    window.draw(screen.target);

    EXPECT_EQ(screen.at(16, 56), partColor(WindowPart::BorderTopLeft));
    EXPECT_EQ(screen.at(23, 63), partColor(WindowPart::BorderTopLeft));
    EXPECT_EQ(screen.at(16, 96), partColor(WindowPart::BorderBottomLeft));
    EXPECT_EQ(screen.at(232, 56), partColor(WindowPart::BorderTopRight));
    EXPECT_EQ(screen.at(239, 103), partColor(WindowPart::BorderBottomRight));
    // 26 edge tiles on top and bottom, x = 24 ... 224.
    for (int x = 24; x < 232; ++x) {
        ASSERT_EQ(screen.at(x, 56), partColor(WindowPart::BorderTop)) << x;
        ASSERT_EQ(screen.at(x, 103), partColor(WindowPart::BorderBottom)) << x;
    }
    for (int y = 64; y < 96; ++y) {
        ASSERT_EQ(screen.at(16, y), partColor(WindowPart::BorderLeft)) << y;
        ASSERT_EQ(screen.at(239, y), partColor(WindowPart::BorderRight)) << y;
    }
    EXPECT_EQ(screen.at(24, 64), kBack);
    EXPECT_EQ(screen.at(231, 95), kBack);
    // Nothing outside the rectangle.
    EXPECT_EQ(screen.at(15, 56), kScreenColor);
    EXPECT_EQ(screen.at(240, 80), kScreenColor);
    EXPECT_EQ(screen.at(100, 104), kScreenColor);
}

TEST(InnerWindow, CornersAndSidesCoverEdgesOfOddSizes) {
    // 21 x 25: the one top edge tile at x = 18 reaches under the right corner at x = 23; the
    // side tiles at y = 28 and 36 reach into the bottom corners at y = 37 and are drawn last.
    Screen screen;
    InnerWindow window(10, 20, 31, 45, 0, 0, 0, 0, kBack);
    window.draw(screen.target);

    EXPECT_EQ(screen.at(22, 20), partColor(WindowPart::BorderTop));
    EXPECT_EQ(screen.at(23, 20), partColor(WindowPart::BorderTopRight));
    EXPECT_EQ(screen.at(22, 44), partColor(WindowPart::BorderBottom));
    EXPECT_EQ(screen.at(23, 44), partColor(WindowPart::BorderBottomRight));
    EXPECT_EQ(screen.at(10, 43), partColor(WindowPart::BorderLeft));
    EXPECT_EQ(screen.at(10, 44), partColor(WindowPart::BorderBottomLeft));
    EXPECT_EQ(screen.at(30, 43), partColor(WindowPart::BorderRight));
    EXPECT_EQ(screen.at(30, 44), partColor(WindowPart::BorderBottomRight));
    // Interior (18, 28)-(23, 37).
    EXPECT_EQ(screen.at(18, 28), kBack);
    EXPECT_EQ(screen.at(22, 36), kBack);
    EXPECT_EQ(screen.at(23, 36), partColor(WindowPart::BorderRight));
}

TEST(InnerWindow, SixteenPixelWindowHasOnlyCorners) {
    Screen screen;
    InnerWindow window(40, 40, 56, 56, 0, 0, 0, 0, kBack);
    window.draw(screen.target);
    EXPECT_EQ(screen.at(47, 47), partColor(WindowPart::BorderTopLeft));
    EXPECT_EQ(screen.at(48, 47), partColor(WindowPart::BorderTopRight));
    EXPECT_EQ(screen.at(47, 48), partColor(WindowPart::BorderBottomLeft));
    EXPECT_EQ(screen.at(48, 48), partColor(WindowPart::BorderBottomRight));
    for (int y = 40; y < 56; ++y) {
        for (int x = 40; x < 56; ++x) {
            ASSERT_NE(screen.at(x, y), kBack);
        }
    }
}

TEST(InnerWindow, HiddenWindowDrawsNothing) {
    Screen screen;
    InnerWindow window(0, 0, 256, 224, 0, 0, 0, 0, kBack);
    window.visible = false;
    window.draw(screen.target);
    for (int y = 0; y < 224; ++y) {
        for (int x = 0; x < 256; ++x) {
            ASSERT_EQ(screen.at(x, y), kScreenColor);
        }
    }
}

TEST(InnerWindow, WithoutImageSetOnlyTheInteriorIsFilled) {
    DIBImage target(64, 64);
    ASSERT_EQ(WindowImages::instance(), nullptr);
    InnerWindow window(0, 0, 32, 32, 0, 0, 0, 0, kBack);
    window.draw(target);
    EXPECT_EQ(target.pixel(0, 0), 0u);
    EXPECT_EQ(target.pixel(8, 8), kBack);
    EXPECT_EQ(target.pixel(23, 23), kBack);
    EXPECT_EQ(target.pixel(24, 24), 0u);
}

TEST(WindowImages, LoadsTheFourteenFilesAndIsReachableWhileAlive) {
    EXPECT_STREQ(WindowImages::fileName(WindowPart::BorderTopLeft), "image/borderlt.png");
    EXPECT_STREQ(WindowImages::fileName(WindowPart::HeartFrame), "image/chaosframe.png");
    EXPECT_STREQ(WindowImages::fileName(WindowPart::Cursor), "image/cursor.png");
    {
        WindowImages set;  // no such files here: every picture stays empty
        EXPECT_EQ(WindowImages::instance(), &set);
        EXPECT_TRUE(set.image(WindowPart::HpFull).empty());
    }
    EXPECT_EQ(WindowImages::instance(), nullptr);
}

}  // namespace
