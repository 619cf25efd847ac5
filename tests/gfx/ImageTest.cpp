#include <gtest/gtest.h>

#include <climits>

#include "gfx/DIBImage.h"
#include "gfx/Image.h"

namespace {

// A picture whose every pixel tells where it came from.
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

int paintedPixels(const Image& image) {
    int count = 0;
    for (int i = 0; i < image.width() * image.height(); ++i) {
        count += image.data()[i] != 0 ? 1 : 0;
    }
    return count;
}

}  // namespace

TEST(Image, ResizeAndSetClipRefuseWhatDoesNotFit) {
    Image image;
    image.resize(4, 3);
    image.setPixel(0, 0, 1);  // top-left: the first pixel of the last stored row
    image.setPixel(3, 2, 2);
    EXPECT_EQ(image.data()[8], 1u);
    EXPECT_EQ(image.data()[3], 2u);

    image.setClip(1, 1, 2, 2);
    image.setClip(0, 0, 5, 3);
    image.setClip(-1, 0, 2, 2);
    EXPECT_EQ(image.clipX0(), 1);
    EXPECT_EQ(image.clipX1(), 2);
    image.resize(-1, 5);
    EXPECT_EQ(image.width(), 4);
    EXPECT_EQ(image.pixel(0, 0), 1u);

    image.resize(0, 5);
    EXPECT_TRUE(image.empty());
    EXPECT_EQ(image.height(), 5);
    EXPECT_EQ(image.clipX1(), 0);
    EXPECT_EQ(image.clipY1(), 5);
}

TEST(Blit, ClipsToBothRectangles) {
    Image source;
    fillTagged(source, 48, 16);
    source.setClip(0, 0, 16, 16);
    DIBImage screen(256, 224);
    source.drawTo(screen, -4, 250);
    EXPECT_EQ(paintedPixels(screen), 0);

    source.drawTo(screen, -4, 220);
    EXPECT_EQ(paintedPixels(screen), 12 * 4);
    EXPECT_EQ(screen.pixel(0, 220), tag(4, 0));
    EXPECT_EQ(screen.pixel(11, 223), tag(15, 3));

    screen.resize(256, 224);
    source.setClip(16, 0, 32, 16);
    screen.setClip(0, 0, 256, 60);
    source.drawTo(screen, 100, 50);
    EXPECT_EQ(paintedPixels(screen), 16 * 10);
    EXPECT_EQ(screen.pixel(100, 50), tag(16, 0));
    EXPECT_EQ(screen.pixel(115, 59), tag(31, 9));

    // Positions so far away that the far edge would overflow an int draw nothing.
    screen.resize(256, 224);
    source.drawTo(screen, INT_MAX - 4, INT_MAX - 4);
    source.drawTo(screen, INT_MIN, INT_MIN + 8);
    Image().drawTo(screen, 0, 0);
    EXPECT_EQ(paintedPixels(screen), 0);
}

TEST(Blit, EveryPixelGoesThroughTransferPixel) {
    // An image that only overrides transferPixel must see every pixel of every blit.
    class Tinted : public Image {
    public:
        void transferPixel(Pixel* destination, const Pixel* source) const override {
            *destination = *source | 0xFF;
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
    EXPECT_EQ(screen.pixel(5, 4), tag(3, 2) | 0xFF);
}

TEST(Blit, KeyColourAndGrayCopy) {
    KeyColorImage sprite;
    sprite.resize(3, 1);
    sprite.setPixel(0, 0, 0x00000000);  // transparent black: a hole
    sprite.setPixel(1, 0, 0xFF000000);  // opaque black is drawn
    sprite.setPixel(2, 0, 0xFFFF0001);
    Image screen;
    screen.resize(3, 1);
    screen.fillRect(0x00ABCDEF, 0, 0, 3, 1);
    sprite.drawTo(screen, 0, 0);
    EXPECT_EQ(screen.pixel(0, 0), 0x00ABCDEFu);
    EXPECT_EQ(screen.pixel(1, 0), 0xFF000000u);

    sprite.setClip(1, 0, 3, 1);
    GrayImage gray;
    gray.assignGray(sprite);
    EXPECT_EQ(gray.pixel(2, 0), 0x00555555u);  // (255 + 0 + 1) / 3, top byte dropped
    EXPECT_EQ(gray.pixel(1, 0), 0u);
    EXPECT_EQ(gray.clipX0(), 1);
}

TEST(DIBImage, TextColourIgnoresTheTopByteAndResizeDropsTheFont) {
    DIBImage screen(8, 8);
    EXPECT_EQ(screen.textColor(), 0xFFFFFFu);
    screen.setTextColor(0xFF102030);
    EXPECT_EQ(screen.textColor(), 0x00102030u);
    Font font;
    screen.selectFont(&font);
    screen.resize(16, 8);
    EXPECT_EQ(screen.selectedFont(), nullptr);
    EXPECT_EQ(screen.textColor(), 0xFFFFFFu);
}
