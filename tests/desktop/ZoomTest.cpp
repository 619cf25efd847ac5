#include <gtest/gtest.h>

#include "app/Zoom.h"

namespace {

// The shell's picture: the 12-row menu strip over the 256 x 224 framebuffer.
constexpr int kWidth = 256;
constexpr int kHeight = 236;

}  // namespace

TEST(Zoom, LargestFitIsLimitedByTheTighterSide) {
    EXPECT_EQ(Zoom::largestFit(kWidth, kHeight, 1024, 768), 3);   // 4 would be 944 high
    EXPECT_EQ(Zoom::largestFit(kWidth, kHeight, 1920, 1080), 4);  // height decides
    EXPECT_EQ(Zoom::largestFit(kWidth, kHeight, 600, 2000), 2);   // width decides
    EXPECT_EQ(Zoom::largestFit(kWidth, kHeight, 768, 708), 3);    // an exact fit counts
    EXPECT_EQ(Zoom::largestFit(kWidth, kHeight, 767, 708), 2);    // one pixel short does not
    EXPECT_EQ(Zoom::largestFit(kWidth, kHeight, 200, 100), 1);    // never below 1
    EXPECT_EQ(Zoom::largestFit(kWidth, kHeight, 0, 0), 1);        // a display with no size
    EXPECT_EQ(Zoom::largestFit(kWidth, kHeight, -5, 900), 1);     // nonsense from the system
    EXPECT_EQ(Zoom::largestFit(kWidth, kHeight, 100000, 100000), Zoom::kMaxScale);
    EXPECT_EQ(Zoom::largestFit(0, 0, 1024, 768), 1);
}

TEST(Zoom, CycleRunsUpToTheLargestThenBackToOne) {
    int scale = 1;
    std::vector<int> seen;
    for (int i = 0; i < 7; ++i) {
        scale = Zoom::next(scale, 3);
        seen.push_back(scale);
    }
    EXPECT_EQ(seen, (std::vector<int>{2, 3, 1, 2, 3, 1, 2}));
    // Only 1 fits: the cycle stays there.
    EXPECT_EQ(Zoom::next(1, 1), 1);
    // Started larger than what fits now (--scale 8 on a small display): back to 1.
    EXPECT_EQ(Zoom::next(8, 3), 1);
    EXPECT_EQ(Zoom::next(0, 3), 1);
}

TEST(Zoom, FullscreenCentresTheLargestFit) {
    ZoomLayout layout = Zoom::centred(kWidth, kHeight, 1024, 768);
    EXPECT_EQ(layout.scale, 3);
    EXPECT_EQ(layout.left, (1024 - 768) / 2);
    EXPECT_EQ(layout.top, (768 - 708) / 2);

    // An odd margin leaves the extra pixel on the right and bottom.
    layout = Zoom::centred(kWidth, kHeight, 1025, 709);
    EXPECT_EQ(layout.scale, 3);
    EXPECT_EQ(layout.left, 128);  // 257 spare columns
    EXPECT_EQ(layout.top, 0);     // 1 spare row

    // A screen smaller than the picture: 1:1, cut evenly on both sides.
    layout = Zoom::centred(kWidth, kHeight, 250, 230);
    EXPECT_EQ(layout.scale, 1);
    EXPECT_EQ(layout.left, -3);
    EXPECT_EQ(layout.top, -3);

    layout = Zoom::topLeft(5);
    EXPECT_EQ(layout.scale, 5);
    EXPECT_EQ(layout.left, 0);
    EXPECT_EQ(layout.top, 0);
    EXPECT_EQ(Zoom::topLeft(0).scale, 1);
    EXPECT_EQ(Zoom::topLeft(99).scale, Zoom::kMaxScale);
}

TEST(Zoom, WindowPositionsBecomePicturePixels) {
    const ZoomLayout layout = Zoom::centred(kWidth, kHeight, 1024, 768);  // scale 3 at (128, 30)
    // The first pixel's block, the last pixel's block and the borders either side.
    EXPECT_EQ(layout.toPictureX(128), 0);
    EXPECT_EQ(layout.toPictureX(130), 0);
    EXPECT_EQ(layout.toPictureX(131), 1);
    EXPECT_EQ(layout.toPictureX(128 + 768 - 1), kWidth - 1);
    EXPECT_EQ(layout.toPictureX(128 + 768), kWidth);
    EXPECT_EQ(layout.toPictureY(30), 0);
    EXPECT_EQ(layout.toPictureY(30 + 708 - 1), kHeight - 1);
    // Left of and above the picture: negative, never row or column 0.
    EXPECT_EQ(layout.toPictureX(127), -1);
    EXPECT_EQ(layout.toPictureX(125), -1);
    EXPECT_EQ(layout.toPictureX(124), -2);
    EXPECT_EQ(layout.toPictureX(0), -43);
    EXPECT_EQ(layout.toPictureY(29), -1);
    EXPECT_EQ(layout.toPictureY(0), -10);

    const ZoomLayout window = Zoom::topLeft(2);
    EXPECT_EQ(window.toPictureX(0), 0);
    EXPECT_EQ(window.toPictureX(511), 255);
    EXPECT_EQ(window.toPictureY(-1), -1);
}
