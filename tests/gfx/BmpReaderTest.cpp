#include <gtest/gtest.h>

#include "TempFiles.h"
#include "gfx/Image.h"
#include "gfx/ImageFile.h"

namespace {

void put16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
    out[at] = v & 0xFF;
    out[at + 1] = (v >> 8) & 0xFF;
}

void put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
    put16(out, at, v & 0xFFFF);
    put16(out, at + 2, v >> 16);
}

// A bitmap file: the two headers, the palette (4 bytes an entry) and the pixel bytes as given
// (rows already padded by the caller).
std::vector<std::uint8_t> bmp(int width, int height, int bitCount,
                              const std::vector<std::uint32_t>& palette,
                              const std::vector<std::uint8_t>& pixels,
                              std::uint32_t coloursUsed = 0) {
    std::vector<std::uint8_t> out(54 + palette.size() * 4);
    out[0] = 'B';
    out[1] = 'M';
    put32(out, 10, static_cast<std::uint32_t>(out.size()));
    put32(out, 14, 40);
    put32(out, 18, static_cast<std::uint32_t>(width));
    put32(out, 22, static_cast<std::uint32_t>(height));
    put16(out, 26, 1);
    put16(out, 28, static_cast<std::uint32_t>(bitCount));
    put32(out, 46, coloursUsed);
    for (std::size_t i = 0; i < palette.size(); ++i) {
        put32(out, 54 + i * 4, palette[i]);
    }
    put32(out, 2, static_cast<std::uint32_t>(out.size() + pixels.size()));
    out.insert(out.end(), pixels.begin(), pixels.end());
    return out;
}

std::vector<std::uint32_t> grayPalette(int entries) {
    std::vector<std::uint32_t> palette;
    for (int i = 0; i < entries; ++i) {
        palette.push_back(0x01000000u * (i & 1) + 0x010101u * static_cast<std::uint32_t>(i));
    }
    return palette;
}

class BmpReader : public ::testing::Test {
protected:
    // An image that a refused load must leave as it is.
    void SetUp() override {
        image.resize(2, 2);
        image.setPixel(0, 0, 0x12345678);
    }
    void expectUntouched() const {
        ASSERT_EQ(image.width(), 2);
        ASSERT_EQ(image.height(), 2);
        EXPECT_EQ(image.pixel(0, 0), 0x12345678u);
    }
    TempFiles files;
    Image image;
};

}  // namespace

TEST_F(BmpReader, TwentyFourBitRowsArePaddedAndStoredBottomFirst) {
    const std::vector<std::uint8_t> pixels = {
        1,  2,  3,  4,  5,  6,  7,  8,  9,  0, 0, 0,  // bottom row, 3 pixels + padding
        11, 12, 13, 14, 15, 16, 17, 18, 19, 0, 0, 0,  // top row
    };
    ASSERT_TRUE(loadBmp(image, files.write("rgb.bmp", bmp(3, 2, 24, {}, pixels))));
    ASSERT_EQ(image.width(), 3);
    ASSERT_EQ(image.height(), 2);
    EXPECT_EQ(image.pixel(0, 1), 0x00030201u);
    EXPECT_EQ(image.pixel(2, 1), 0x00090807u);
    EXPECT_EQ(image.pixel(0, 0), 0x000D0C0Bu);
    EXPECT_EQ(image.pixel(2, 0), 0x00131211u);
}

TEST_F(BmpReader, DirectColourDepths) {
    // 16 bits are 5-5-5 with each part moved to the top of its byte; 32 bits keep the
    // fourth byte as the top byte.
    const std::vector<std::uint8_t> sixteen = {0x1F, 0x7C, 0xE0, 0x03};  // red, green
    ASSERT_TRUE(loadBmp(image, files.write("16.bmp", bmp(2, 1, 16, {}, sixteen))));
    EXPECT_EQ(image.pixel(0, 0), 0x00F800F8u);
    EXPECT_EQ(image.pixel(1, 0), 0x0000F800u);

    const std::vector<std::uint8_t> thirtyTwo = {1, 2, 3, 0x80};
    ASSERT_TRUE(loadBmp(image, files.write("32.bmp", bmp(1, 1, 32, {}, thirtyTwo))));
    EXPECT_EQ(image.pixel(0, 0), 0x80030201u);
}

TEST_F(BmpReader, EightBitPaletteIndicesIncludingOnesBeyondThePalette) {
    const std::vector<std::uint8_t> pixels = {200, 255, 1, 0};
    ASSERT_TRUE(loadBmp(image, files.write("8.bmp", bmp(3, 1, 8, grayPalette(256), pixels))));
    EXPECT_EQ(image.pixel(0, 0), 0x00C8C8C8u);
    EXPECT_EQ(image.pixel(1, 0), 0x01FFFFFFu);  // the reserved byte becomes the top byte
    EXPECT_EQ(image.pixel(2, 0), 0x01010101u);

    // Sixteen colours declared: index 200 lies beyond them and reads as pixel 0.
    ASSERT_TRUE(loadBmp(image, files.write("8s.bmp", bmp(3, 1, 8, grayPalette(16), pixels, 16))));
    EXPECT_EQ(image.pixel(0, 0), 0u);
    EXPECT_EQ(image.pixel(2, 0), 0x01010101u);
}

TEST_F(BmpReader, HugeDeclaredPaletteReadsAtMost256Entries) {
    const std::vector<std::uint8_t> pixels = {7, 0, 0, 0};
    ASSERT_TRUE(
        loadBmp(image, files.write("p.bmp", bmp(1, 1, 8, grayPalette(256), pixels, 0xFFFFFFFF))));
    EXPECT_EQ(image.pixel(0, 0), 0x01070707u);
}

TEST_F(BmpReader, FourBitOddWidthIgnoresTheLastNibble) {
    const std::vector<std::uint8_t> pixels = {0x12, 0x3F, 0, 0, 0x45, 0x6F, 0, 0};
    ASSERT_TRUE(loadBmp(image, files.write("4.bmp", bmp(3, 2, 4, grayPalette(16), pixels))));
    ASSERT_EQ(image.width(), 3);
    EXPECT_EQ(image.pixel(0, 1), 0x01010101u);
    EXPECT_EQ(image.pixel(1, 1), 0x00020202u);
    EXPECT_EQ(image.pixel(2, 1), 0x01030303u);
    EXPECT_EQ(image.pixel(0, 0), 0x00040404u);
    EXPECT_EQ(image.pixel(2, 0), 0x00060606u);
}

TEST_F(BmpReader, UnsupportedDepthsFailAfterResizing) {
    const std::vector<std::uint8_t> pixels(16, 0xFF);
    EXPECT_FALSE(loadBmp(image, files.write("1.bmp", bmp(5, 3, 1, grayPalette(2), pixels))));
    EXPECT_EQ(image.width(), 5);
    EXPECT_EQ(image.height(), 3);
    EXPECT_EQ(image.pixel(0, 0), 0u);
    // Zero bits per pixel has no layout at all and must not divide by it.
    EXPECT_FALSE(loadBmp(image, files.write("0.bmp", bmp(2, 2, 0, {}, pixels))));
    EXPECT_FALSE(loadBmp(image, files.write("40.bmp", bmp(1, 1, 40, {}, pixels))));
}

TEST_F(BmpReader, ShortFileRepeatsTheLastValueRead) {
    // Two of four pixels present: the rest repeat the second.
    const std::vector<std::uint8_t> pixels = {1, 2, 3, 4, 5, 6};
    ASSERT_TRUE(loadBmp(image, files.write("short.bmp", bmp(2, 2, 24, {}, pixels))));
    EXPECT_EQ(image.pixel(0, 1), 0x00030201u);
    EXPECT_EQ(image.pixel(1, 1), 0x00060504u);
    EXPECT_EQ(image.pixel(0, 0), 0x00060504u);
    EXPECT_EQ(image.pixel(1, 0), 0x00060504u);
}

TEST_F(BmpReader, PixelOffsetBeyondTheFileReadsNothing) {
    auto bytes = bmp(2, 1, 24, {}, {9, 9, 9, 9, 9, 9, 0, 0});
    put32(bytes, 10, 0xFFFFFFF0);
    ASSERT_TRUE(loadBmp(image, files.write("far.bmp", bytes)));
    EXPECT_EQ(image.pixel(0, 0), 0u);
    EXPECT_EQ(image.pixel(1, 0), 0u);
}

TEST_F(BmpReader, TopDownFileLoadsTheRightWayUp) {
    const std::vector<std::uint8_t> pixels = {1, 2, 3, 0, 4, 5, 6, 0};
    ASSERT_TRUE(loadBmp(image, files.write("down.bmp", bmp(1, -2, 24, {}, pixels))));
    ASSERT_EQ(image.height(), 2);
    EXPECT_EQ(image.pixel(0, 0), 0x00030201u);
    EXPECT_EQ(image.pixel(0, 1), 0x00060504u);
}

TEST_F(BmpReader, BrokenHeadersAndAbsurdSizesAreRefusedUntouched) {
    const std::vector<std::uint8_t> pixels(12, 1);
    auto notBm = bmp(1, 1, 24, {}, pixels);
    notBm[1] = 'A';
    EXPECT_FALSE(loadBmp(image, files.write("sig.bmp", notBm)));
    auto cut = bmp(1, 1, 24, {}, pixels);
    cut.resize(40);
    EXPECT_FALSE(loadBmp(image, files.write("cut.bmp", cut)));
    EXPECT_FALSE(loadBmp(image, files.path("missing.bmp")));
    // Sizes no small file can hold, or beyond what the game accepts at all.
    EXPECT_FALSE(loadBmp(image, files.write("big.bmp", bmp(16384, 16384, 24, {}, pixels))));
    EXPECT_FALSE(loadBmp(image, files.write("fits.bmp", bmp(4000, 4000, 24, {}, pixels))));
    EXPECT_FALSE(loadBmp(image, files.write("wide.bmp", bmp(16385, 1, 24, {}, pixels))));
    EXPECT_FALSE(loadBmp(image, files.write("neg.bmp", bmp(-4, 1, 24, {}, pixels))));
    EXPECT_FALSE(loadBmp(
        image, files.write("min.bmp", bmp(1, static_cast<int>(0x80000000u), 24, {}, pixels))));
    expectUntouched();
}

TEST_F(BmpReader, ImageFileChoosesTheReaderByExtension) {
    const auto bytes = bmp(1, 1, 24, {}, {1, 2, 3, 0});
    files.write("a.BmP", bytes);
    EXPECT_TRUE(loadImageFile(image, files.path("a.BmP")));
    EXPECT_EQ(image.pixel(0, 0), 0x00030201u);
    // A backslash is a folder separator in game file names.
    std::filesystem::create_directories(files.path("image"));
    files.write("image/b.bmp", bytes);
    EXPECT_TRUE(loadImageFile(image, files.path("image\\b.bmp")));

    image.resize(2, 2);
    image.setPixel(0, 0, 0x12345678);
    files.write("c.jpg", bytes);
    files.write("nodot", bytes);
    EXPECT_FALSE(loadImageFile(image, files.path("c.jpg")));
    EXPECT_FALSE(loadImageFile(image, files.path("nodot")));
    expectUntouched();
}
