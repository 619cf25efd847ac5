#include <gtest/gtest.h>

#include "gfx/Image.h"

TEST(Image, ResizeRefusesNegativeSizes) {
    Image image;
    image.resize(4, 3);
    image.resize(-1, 5);
    EXPECT_EQ(image.width(), 4);
    EXPECT_EQ(image.height(), 3);
}
