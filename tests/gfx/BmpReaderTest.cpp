#include <gtest/gtest.h>

#include <algorithm>

#include "TempFiles.h"
#include "gfx/Image.h"
#include "gfx/ImageFile.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void put32(Bytes& out, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        out[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    }
}

// A bitmap file: both headers, a palette of `entries` gray entries (odd ones with reserved
// byte 1) and the pixel bytes as given, rows already padded.
Bytes bmp(int width, int height, int bitCount, int entries, const Bytes& pixels,
          std::uint32_t coloursUsed = 0) {
    // Sized once for headers, palette and pixels: growing it by an insert makes GCC 12 at -O3
    // warn of a copy out of bounds that cannot happen.
    const std::size_t pixelsAt = 54 + 4 * static_cast<std::size_t>(entries);
    Bytes out(pixelsAt + pixels.size());
    out[0] = 'B';
    out[1] = 'M';
    put32(out, 10, static_cast<std::uint32_t>(pixelsAt));
    put32(out, 14, 40);
    put32(out, 18, static_cast<std::uint32_t>(width));
    put32(out, 22, static_cast<std::uint32_t>(height));
    put32(out, 26, 1 | static_cast<std::uint32_t>(bitCount) << 16);
    put32(out, 46, coloursUsed);
    for (int i = 0; i < entries; ++i) {
        put32(out, 54 + 4 * i, 0x01000000u * (i & 1) + 0x010101u * i);
    }
    std::copy(pixels.begin(), pixels.end(), out.begin() + static_cast<std::ptrdiff_t>(pixelsAt));
    return out;
}

class BmpReader : public ::testing::Test {
protected:
    bool load(const Bytes& bytes) { return loadBmp(image, files.write("a.bmp", bytes)); }
    TempFiles files;
    Image image;
};

}  // namespace

TEST_F(BmpReader, DirectColourRowsArePaddedAndStoredBottomFirst) {
    ASSERT_TRUE(load(bmp(3, 2, 24, 0, {1,  2,  3,  4,  5,  6,  7,  8,  9,  0, 0, 0,  //
                                       11, 12, 13, 14, 15, 16, 17, 18, 19, 0, 0, 0})));
    ASSERT_EQ(image.width(), 3);
    EXPECT_EQ(image.pixel(0, 1), 0x00030201u);
    EXPECT_EQ(image.pixel(2, 1), 0x00090807u);
    EXPECT_EQ(image.pixel(2, 0), 0x00131211u);

    ASSERT_TRUE(load(bmp(2, 1, 16, 0, {0x1F, 0x7C, 0xE0, 0x03})));  // 5-5-5: magenta, green
    EXPECT_EQ(image.pixel(0, 0), 0x00F800F8u);
    EXPECT_EQ(image.pixel(1, 0), 0x0000F800u);
    ASSERT_TRUE(load(bmp(1, 1, 32, 0, {1, 2, 3, 0x80})));
    EXPECT_EQ(image.pixel(0, 0), 0x80030201u);
    // A negative height marks a file stored top row first.
    ASSERT_TRUE(load(bmp(1, -2, 24, 0, {1, 2, 3, 0, 4, 5, 6, 0})));
    EXPECT_EQ(image.pixel(0, 0), 0x00030201u);
}

TEST_F(BmpReader, PaletteIndicesIncludingOnesBeyondThePalette) {
    ASSERT_TRUE(load(bmp(3, 1, 8, 256, {200, 255, 1, 0})));
    EXPECT_EQ(image.pixel(0, 0), 0x00C8C8C8u);
    EXPECT_EQ(image.pixel(1, 0), 0x01FFFFFFu);  // the reserved byte becomes the top byte
    ASSERT_TRUE(load(bmp(3, 1, 8, 16, {200, 255, 1, 0}, 16)));
    EXPECT_EQ(image.pixel(0, 0), 0u);
    EXPECT_EQ(image.pixel(2, 0), 0x01010101u);
    ASSERT_TRUE(load(bmp(1, 1, 8, 256, {7, 0, 0, 0}, 0xFFFFFFFF)));  // at most 256 entries read
    EXPECT_EQ(image.pixel(0, 0), 0x01070707u);

    // Four bits, odd width: the last nibble of each row is padding.
    ASSERT_TRUE(load(bmp(3, 2, 4, 16, {0x12, 0x3F, 0, 0, 0x45, 0x6F, 0, 0})));
    EXPECT_EQ(image.pixel(0, 1), 0x01010101u);
    EXPECT_EQ(image.pixel(2, 1), 0x01030303u);
    EXPECT_EQ(image.pixel(2, 0), 0x00060606u);

    EXPECT_FALSE(load(bmp(5, 3, 1, 2, Bytes(16, 0xFF))));  // fails after resizing
    EXPECT_EQ(image.width(), 5);
    EXPECT_EQ(image.pixel(0, 0), 0u);
    EXPECT_FALSE(load(bmp(2, 2, 0, 0, Bytes(16, 0xFF))));
    EXPECT_FALSE(load(bmp(1, 1, 40, 0, Bytes(16, 0xFF))));
}

TEST_F(BmpReader, ShortFilesRepeatTheLastValueRead) {
    ASSERT_TRUE(load(bmp(2, 2, 24, 0, {1, 2, 3, 4, 5, 6})));
    EXPECT_EQ(image.pixel(0, 1), 0x00030201u);
    EXPECT_EQ(image.pixel(1, 1), 0x00060504u);
    EXPECT_EQ(image.pixel(1, 0), 0x00060504u);
    Bytes far = bmp(2, 1, 24, 0, Bytes(8, 9));
    put32(far, 10, 0xFFFFFFF0);  // pixel data beyond the end of the file
    ASSERT_TRUE(load(far));
    EXPECT_EQ(image.pixel(1, 0), 0u);

    // Cut by one byte: the last pixel keeps the third byte of the one before.
    Bytes rows(100 * 100 * 3, 0x11);
    rows[rows.size() - 3] = 0x21;
    rows[rows.size() - 2] = 0x22;
    Bytes cut = bmp(100, 100, 24, 0, rows);
    cut.pop_back();
    ASSERT_TRUE(load(cut));
    EXPECT_EQ(image.pixel(98, 0), 0x00111111u);
    EXPECT_EQ(image.pixel(99, 0), 0x00112221u);
    // However little of the picture the file holds, the size limits alone decide.
    ASSERT_TRUE(load(bmp(1000, 1000, 24, 0, {1, 2, 3, 4, 5, 6})));
    EXPECT_EQ(image.pixel(0, 999), 0x00030201u);
    EXPECT_EQ(image.pixel(999, 0), 0x00060504u);
}

TEST_F(BmpReader, BrokenHeadersAndAbsurdSizesLeaveTheImageUntouched) {
    image.resize(2, 2);
    image.setPixel(0, 0, 0x12345678);
    const Bytes pixels(12, 1);
    Bytes notBm = bmp(1, 1, 24, 0, pixels);
    notBm[1] = 'A';
    EXPECT_FALSE(load(notBm));
    notBm[1] = 'M';
    EXPECT_FALSE(load(Bytes(notBm.begin(), notBm.begin() + 53)));  // header cut short
    EXPECT_FALSE(loadBmp(image, files.path("missing.bmp")));
    EXPECT_FALSE(load(bmp(16384, 16384, 24, 0, pixels)));
    EXPECT_FALSE(load(bmp(16385, 1, 24, 0, pixels)));
    EXPECT_FALSE(load(bmp(-4, 1, 24, 0, pixels)));
    EXPECT_FALSE(load(bmp(1, INT_MIN, 24, 0, pixels)));
    ASSERT_EQ(image.width(), 2);
    EXPECT_EQ(image.pixel(0, 0), 0x12345678u);
}

TEST_F(BmpReader, ImageFileChoosesTheReaderByExtension) {
    const Bytes bytes = bmp(1, 1, 24, 0, {1, 2, 3, 0});
    std::filesystem::create_directories(files.path("image"));
    files.write("image/b.BmP", bytes);
    EXPECT_TRUE(loadImageFile(image, files.path("image\\b.BmP")));  // backslash: a folder
    EXPECT_EQ(image.pixel(0, 0), 0x00030201u);

    image.resize(2, 2);
    files.write("c.jpg", bytes);
    files.write("nodot", bytes);
    EXPECT_FALSE(loadImageFile(image, files.path("c.jpg")));
    EXPECT_FALSE(loadImageFile(image, files.path("nodot")));
    EXPECT_EQ(image.width(), 2);
}
