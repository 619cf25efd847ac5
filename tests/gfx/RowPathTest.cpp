// The row loops of blits, fills and the gray copy against the pixel rule they stand for: the
// same pictures drawn through a kind that only overrides transferPixel (which the blit moves
// pixel by pixel) and through the shipped kinds must come out identical, on odd sizes, with
// clipping on both sides and key colours among the pixels.
#include <gtest/gtest.h>

#include <cstdint>
#include <type_traits>
#include <vector>

#include "gfx/DIBImage.h"
#include "gfx/Image.h"

namespace {

// Same rule as Image, but a class of its own, so every blit goes pixel by pixel.
class PlainByPixel : public Image {
public:
    void transferPixel(Pixel* destination, const Pixel* source) const override {
        Image::transferPixel(destination, source);
    }
};

class KeyByPixel : public KeyColorImage {
public:
    void transferPixel(Pixel* destination, const Pixel* source) const override {
        KeyColorImage::transferPixel(destination, source);
    }
};

// A small fixed generator, so a failure repeats.
class Dice {
public:
    std::uint32_t next() {
        state_ = state_ * 1664525u + 1013904223u;
        return state_ >> 8;
    }
    int between(int low, int high) { return low + static_cast<int>(next() % (high - low + 1)); }

private:
    std::uint32_t state_ = 12345;
};

// Fills an image with noise in which about a quarter of the pixels equal key and another
// quarter differ from it in the top byte alone (a key compared on fewer bits would skip them).
void paint(Image& image, int width, int height, Dice& dice, Pixel key) {
    image.resize(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t r = dice.next();
            Pixel value = r * 2654435761u;
            if (r % 4 == 0) {
                value = key;
            } else if (r % 4 == 1) {
                value = key ^ (((r >> 2) % 255 + 1) << 24);
            }
            image.setPixel(x, y, value);
        }
    }
}

void copyPicture(const Image& from, Image& to) {
    to.resize(from.width(), from.height());
    for (int y = 0; y < from.height(); ++y) {
        for (int x = 0; x < from.width(); ++x) {
            to.setPixel(x, y, from.pixel(x, y));
        }
    }
    to.setClip(from.clipX0(), from.clipY0(), from.clipX1(), from.clipY1());
}

// A clip rectangle somewhere inside the image, sometimes the whole of it.
void randomClip(Image& image, Dice& dice) {
    if (dice.between(0, 3) == 0) {
        return;
    }
    const int x0 = dice.between(0, image.width() - 1);
    const int y0 = dice.between(0, image.height() - 1);
    image.setClip(x0, y0, dice.between(x0 + 1, image.width()),
                  dice.between(y0 + 1, image.height()));
}

std::vector<Pixel> pixels(const Image& image) {
    return std::vector<Pixel>(image.data(), image.data() + image.width() * image.height());
}

template <typename T>
T makeImage() {
    if constexpr (std::is_same_v<T, DIBImage>) {
        return DIBImage(0, 0);
    } else {
        return T();
    }
}

// Draws fast (a shipped kind) and slow (the same picture in a pixel-by-pixel kind) onto two
// copies of one target, many times at random sizes, clips and positions.
template <typename Fast, typename Slow>
void compareBlits(Pixel key, bool setKey) {
    Dice dice;
    for (int round = 0; round < 400; ++round) {
        Fast fast = makeImage<Fast>();
        Slow slow;
        if constexpr (requires { fast.keyColor; }) {
            if (setKey) {
                fast.keyColor = key;
                slow.keyColor = key;
            }
        }
        paint(fast, dice.between(1, 41), dice.between(1, 23), dice, key);
        randomClip(fast, dice);
        copyPicture(fast, slow);

        Image targetFast;
        paint(targetFast, dice.between(1, 67), dice.between(1, 37), dice, 0x12345678);
        randomClip(targetFast, dice);
        Image targetSlow;
        copyPicture(targetFast, targetSlow);

        const int x = dice.between(-45, targetFast.width() + 3);
        const int y = dice.between(-25, targetFast.height() + 3);
        fast.drawTo(targetFast, x, y);
        slow.drawTo(targetSlow, x, y);
        ASSERT_EQ(pixels(targetFast), pixels(targetSlow))
            << "round " << round << " at (" << x << ", " << y << ")";
    }
}

}  // namespace

TEST(RowPaths, CopyMatchesThePixelRuleOnOddSizesAndClips) {
    compareBlits<Image, PlainByPixel>(0, false);
    compareBlits<GrayImage, PlainByPixel>(0, false);
    compareBlits<DIBImage, PlainByPixel>(0, false);
}

TEST(RowPaths, KeyColourMatchesThePixelRule) {
    compareBlits<KeyColorImage, KeyByPixel>(0, false);           // the game's key, 0
    compareBlits<KeyColorImage, KeyByPixel>(0xFF000000u, true);  // opaque black as the key
    compareBlits<KeyColorImage, KeyByPixel>(0x00FF00FFu, true);
}

TEST(RowPaths, AKindThatOverridesOnlyTheRuleIsHonoured) {
    // A subclass of a shipped kind that changes transferPixel must not get the kind's row loop.
    class Tinted : public KeyColorImage {
    public:
        void transferPixel(Pixel* destination, const Pixel* source) const override {
            *destination = *source ^ 0x00FFFFFF;
        }
    };
    Tinted sprite;
    sprite.resize(5, 2);  // all zero: every pixel equals the key colour
    Image screen;
    screen.resize(5, 2);
    sprite.drawTo(screen, 0, 0);
    for (int x = 0; x < 5; ++x) {
        EXPECT_EQ(screen.pixel(x, 1), 0x00FFFFFFu) << x;
    }
}

TEST(RowPaths, AnImageDrawnOntoItselfFollowsThePixelOrder) {
    // Left to right: a copy one pixel to the right within the same rows reads each pixel just
    // after writing it, so the first column runs along the row (a block move would shift it).
    Image image;
    image.resize(6, 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 6; ++x) {
            image.setPixel(x, y, static_cast<Pixel>(10 * y + x + 1));
        }
    }
    image.setClip(0, 0, 5, 3);  // also the target's clip: columns 1-4 are written
    image.drawTo(image, 1, 0);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            EXPECT_EQ(image.pixel(x, y), static_cast<Pixel>(10 * y + 1)) << x << ", " << y;
        }
        EXPECT_EQ(image.pixel(5, y), static_cast<Pixel>(10 * y + 6));
    }
}

TEST(RowPaths, FillsMatchAPixelByPixelFill) {
    Dice dice;
    for (int round = 0; round < 300; ++round) {
        Image image;
        paint(image, dice.between(1, 53), dice.between(1, 29), dice, 0);
        randomClip(image, dice);
        std::vector<Pixel> expected = pixels(image);
        const int x0 = dice.between(-5, image.width() + 2);
        const int y0 = dice.between(-5, image.height() + 2);
        // Often the full width, so the whole-rows block is taken too.
        const int x1 = dice.between(0, 1) == 0 ? image.width() + 4 : dice.between(-2, 60);
        const int y1 = dice.between(-2, 35);
        const Pixel value = dice.next();
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const bool inside = x >= x0 && x < x1 && y >= y0 && y < y1 && x >= image.clipX0() &&
                                    x < image.clipX1() && y >= image.clipY0() && y < image.clipY1();
                if (inside) {
                    // Stored bottom-up: picture row y is storage row height - 1 - y.
                    expected[static_cast<std::size_t>((image.height() - 1 - y) * image.width() +
                                                      x)] = value;
                }
            }
        }
        image.fillRect(value, x0, y0, x1, y1);
        ASSERT_EQ(pixels(image), expected) << "round " << round;
    }
}

TEST(RowPaths, GrayCopyOfAnOddClippedPicture) {
    Dice dice;
    Image source;
    paint(source, 13, 7, dice, 0xFF000000u);
    source.setClip(3, 1, 12, 6);
    GrayImage gray;
    gray.assignGray(source);
    ASSERT_EQ(gray.width(), 13);
    ASSERT_EQ(gray.height(), 7);
    EXPECT_EQ(gray.clipX0(), 3);
    EXPECT_EQ(gray.clipY1(), 6);
    for (int y = 0; y < 7; ++y) {
        for (int x = 0; x < 13; ++x) {
            const Pixel p = source.pixel(x, y);
            const Pixel g = (((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF)) / 3;
            EXPECT_EQ(gray.pixel(x, y), g << 16 | g << 8 | g) << x << ", " << y;
        }
    }
}
