#include <gtest/gtest.h>

#include <climits>

#include "gfx/DIBImage.h"
#include "gfx/Image.h"

namespace {

// A source whose every pixel tells where it came from: 0x55YYXX00 | 1.
Pixel tag(int x, int y) {
    return 0x55000001u | static_cast<Pixel>(y) << 16 | x << 8;
}

void fillTagged(Image& image, int width, int height) {
    image.resize(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, tag(x, y));
        }
    }
}

// Counts the pixels of target that differ from 0.
int paintedPixels(const Image& target) {
    int count = 0;
    for (int y = 0; y < target.height(); ++y) {
        for (int x = 0; x < target.width(); ++x) {
            count += target.pixel(x, y) != 0 ? 1 : 0;
        }
    }
    return count;
}

}  // namespace

TEST(Image, ResizeRefusesNegativeSizesAndResetsEverythingElse) {
    Image image;
    image.resize(4, 3);
    image.setPixel(1, 1, 7);
    image.setClip(1, 1, 2, 2);
    image.resize(-1, 5);
    EXPECT_EQ(image.width(), 4);
    EXPECT_EQ(image.height(), 3);
    EXPECT_EQ(image.pixel(1, 1), 7u);

    image.resize(0, 5);
    EXPECT_TRUE(image.empty());
    EXPECT_EQ(image.width(), 0);
    EXPECT_EQ(image.height(), 5);
    EXPECT_EQ(image.clipX1(), 0);
    EXPECT_EQ(image.clipY1(), 5);

    image.resize(4, 3);
    EXPECT_EQ(image.pixel(1, 1), 0u);
    EXPECT_EQ(image.clipX0(), 0);
    EXPECT_EQ(image.clipY0(), 0);
    EXPECT_EQ(image.clipX1(), 4);
    EXPECT_EQ(image.clipY1(), 3);
}

TEST(Image, SetClipKeepsTheOldRectangleWhenTheNewOneLeavesTheImage) {
    Image image;
    image.resize(256, 224);
    image.setClip(8, 8, 100, 100);
    image.setClip(0, 0, 300, 10);
    image.setClip(-1, 0, 10, 10);
    image.setClip(0, 0, 10, 225);
    EXPECT_EQ(image.clipX0(), 8);
    EXPECT_EQ(image.clipX1(), 100);
    EXPECT_EQ(image.clipY1(), 100);
    // An inverted rectangle inside the image is taken and simply draws nothing.
    image.setClip(20, 20, 10, 10);
    EXPECT_EQ(image.clipX0(), 20);
    image.fillRect(9, 0, 0, 256, 224);
    EXPECT_EQ(paintedPixels(image), 0);
}

TEST(Image, RowsAreStoredBottomUp) {
    Image image;
    image.resize(3, 2);
    ASSERT_TRUE(image.bottomUp());
    image.setPixel(0, 0, 1);  // top-left of the picture
    image.setPixel(2, 1, 2);  // bottom-right
    EXPECT_EQ(image.data()[3], 1u);
    EXPECT_EQ(image.data()[2], 2u);
    EXPECT_EQ(image.row(0), image.data() + 3);
}

TEST(Image, FillRectStaysInsideClipAndImage) {
    Image image;
    image.resize(10, 10);
    image.setClip(2, 2, 8, 8);
    image.fillRect(5, -100, 4, 100, 6);
    EXPECT_EQ(paintedPixels(image), 6 * 2);
    EXPECT_EQ(image.pixel(2, 4), 5u);
    EXPECT_EQ(image.pixel(7, 5), 5u);
    EXPECT_EQ(image.pixel(1, 4), 0u);
    EXPECT_EQ(image.pixel(8, 4), 0u);
}

TEST(Blit, ClipsToTheTargetClipRectangle) {
    Image source;
    fillTagged(source, 16, 16);
    Image screen;
    screen.resize(256, 224);

    source.drawTo(screen, -4, 250);
    EXPECT_EQ(paintedPixels(screen), 0);

    source.drawTo(screen, -4, 220);
    EXPECT_EQ(paintedPixels(screen), 12 * 4);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 12; ++x) {
            ASSERT_EQ(screen.pixel(x, 220 + y), tag(x + 4, y)) << x << "," << y;
        }
    }

    screen.resize(256, 224);
    screen.setClip(10, 10, 20, 20);
    source.drawTo(screen, 4, 14);
    EXPECT_EQ(paintedPixels(screen), 10 * 6);
    EXPECT_EQ(screen.pixel(10, 14), tag(6, 0));
    EXPECT_EQ(screen.pixel(19, 19), tag(15, 5));
}

TEST(Blit, SourceClipSelectsThePartDrawn) {
    Image source;
    fillTagged(source, 48, 16);
    source.setClip(16, 0, 32, 16);
    Image screen;
    screen.resize(256, 224);
    source.drawTo(screen, 100, 50);
    EXPECT_EQ(paintedPixels(screen), 16 * 16);
    EXPECT_EQ(screen.pixel(100, 50), tag(16, 0));
    EXPECT_EQ(screen.pixel(115, 65), tag(31, 15));
    EXPECT_EQ(screen.pixel(99, 50), 0u);
    EXPECT_EQ(screen.pixel(116, 50), 0u);
}

TEST(Blit, PositionsFarOffTheTargetDrawNothing) {
    Image source;
    fillTagged(source, 16, 16);
    Image screen;
    screen.resize(256, 224);
    source.drawTo(screen, INT_MAX - 4, 0);
    source.drawTo(screen, 0, INT_MAX - 4);
    source.drawTo(screen, INT_MIN, INT_MIN);
    source.drawTo(screen, INT_MIN + 8, 0);
    EXPECT_EQ(paintedPixels(screen), 0);

    Image empty;
    empty.drawTo(screen, 0, 0);
    source.drawTo(empty, 0, 0);
    EXPECT_EQ(paintedPixels(screen), 0);
}

TEST(Blit, EveryPixelGoesThroughTransferPixel) {
    // An image that only overrides transferPixel must see every pixel of every blit.
    class Tinted : public Image {
    public:
        void transferPixel(Pixel* destination, const Pixel* source) const override {
            *destination = *source | 0x0000FF;
            ++calls;
        }
        mutable int calls = 0;
    };
    Tinted source;
    fillTagged(source, 4, 3);
    Image screen;
    screen.resize(16, 16);
    source.drawTo(screen, 2, 2);
    EXPECT_EQ(source.calls, 12);
    EXPECT_EQ(screen.pixel(2, 2), tag(0, 0) | 0xFF);
    EXPECT_EQ(screen.pixel(5, 4), tag(3, 2) | 0xFF);
}

TEST(Blit, KeyColourSkipsOnlyTheExactValue) {
    KeyColorImage sprite;
    sprite.resize(3, 1);
    sprite.setPixel(0, 0, 0x00000000);  // transparent black: a hole
    sprite.setPixel(1, 0, 0xFF000000);  // opaque black: drawn
    sprite.setPixel(2, 0, 0x00123456);
    Image screen;
    screen.resize(3, 1);
    screen.fillRect(0x00ABCDEF, 0, 0, 3, 1);
    sprite.drawTo(screen, 0, 0);
    EXPECT_EQ(screen.pixel(0, 0), 0x00ABCDEFu);
    EXPECT_EQ(screen.pixel(1, 0), 0xFF000000u);
    EXPECT_EQ(screen.pixel(2, 0), 0x00123456u);
}

TEST(GrayImage, AveragesColourBytesAndTakesTheClip) {
    Image face;
    face.resize(2, 2);
    face.setPixel(0, 0, 0xFFFF0001);
    face.setPixel(1, 1, 0x80102030);
    face.setClip(0, 0, 1, 2);
    GrayImage gray;
    gray.assignGray(face);
    ASSERT_EQ(gray.width(), 2);
    EXPECT_EQ(gray.pixel(0, 0), 0x00555555u);
    EXPECT_EQ(gray.pixel(1, 1), 0x00202020u);
    EXPECT_EQ(gray.pixel(1, 0), 0u);
    EXPECT_EQ(gray.clipX1(), 1);
}

TEST(DIBImage, StartsBlankWithWhiteTextAndResizeDropsTheFont) {
    DIBImage screen(256, 224);
    EXPECT_EQ(paintedPixels(screen), 0);
    EXPECT_EQ(screen.textColor(), 0xFFFFFFu);
    EXPECT_TRUE(screen.bottomUp());

    screen.setTextColor(0xFF102030);
    const Pixel opaque = screen.textColor();
    screen.setTextColor(0x00102030);
    EXPECT_EQ(opaque, screen.textColor());

    Font font;
    screen.selectFont(&font);
    screen.resize(64, 32);
    EXPECT_EQ(screen.selectedFont(), nullptr);
    EXPECT_EQ(screen.textColor(), 0xFFFFFFu);
}
