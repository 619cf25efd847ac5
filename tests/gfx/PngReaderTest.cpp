#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>

#include "TempFiles.h"
#include "gfx/Image.h"
#include "gfx/ImageFile.h"
#include "gfx/ImageSave.h"

namespace {

struct PngSpec {
    int width = 0;
    int height = 0;
    int colourType = PNG_COLOR_TYPE_RGB;
    int bitDepth = 8;
    bool interlaced = false;
    std::vector<std::vector<std::uint8_t>> rows;  // packed as the file stores them
    std::vector<png_color> palette;
    std::vector<std::uint8_t> paletteAlpha;  // tRNS for palette images
    png_color_16 transparent{};              // tRNS for gray and RGB images
    bool hasTransparent = false;
};

PngSpec makeSpec(int width, int height, int colourType, int bitDepth = 8) {
    PngSpec spec;
    spec.width = width;
    spec.height = height;
    spec.colourType = colourType;
    spec.bitDepth = bitDepth;
    return spec;
}

// Writes a PNG exactly as described, through libpng.
void writePng(const std::string& file, const PngSpec& spec) {
    std::FILE* out = std::fopen(file.c_str(), "wb");
    ASSERT_NE(out, nullptr);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, out);
    png_set_IHDR(png, info, spec.width, spec.height, spec.bitDepth, spec.colourType,
                 spec.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!spec.palette.empty()) {
        png_set_PLTE(png, info, spec.palette.data(), static_cast<int>(spec.palette.size()));
    }
    if (!spec.paletteAlpha.empty()) {
        png_set_tRNS(png, info, spec.paletteAlpha.data(),
                     static_cast<int>(spec.paletteAlpha.size()), nullptr);
    }
    if (spec.hasTransparent) {
        png_set_tRNS(png, info, nullptr, 0, &spec.transparent);
    }
    png_write_info(png, info);
    std::vector<png_bytep> rows;
    for (const auto& row : spec.rows) {
        rows.push_back(const_cast<png_bytep>(row.data()));
    }
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    std::fclose(out);
}

class PngReader : public ::testing::Test {
protected:
    std::string write(const std::string& name, const PngSpec& spec) {
        const std::string file = files.path(name);
        writePng(file, spec);
        return file;
    }
    TempFiles files;
    Image image;
};

}  // namespace

TEST_F(PngReader, RgbHasTopByteZeroAndRgbaKeepsItsAlpha) {
    PngSpec rgb = makeSpec(2, 2, PNG_COLOR_TYPE_RGB);
    rgb.rows = {{10, 20, 30, 40, 50, 60}, {70, 80, 90, 100, 110, 120}};
    ASSERT_TRUE(loadPng(image, write("rgb.png", rgb)));
    ASSERT_EQ(image.width(), 2);
    ASSERT_EQ(image.height(), 2);
    EXPECT_EQ(image.pixel(0, 0), 0x000A141Eu);
    EXPECT_EQ(image.pixel(1, 1), 0x00646E78u);

    PngSpec rgba = makeSpec(2, 1, PNG_COLOR_TYPE_RGB_ALPHA);
    rgba.rows = {{10, 20, 30, 255, 1, 2, 3, 0}};
    ASSERT_TRUE(loadPng(image, write("rgba.png", rgba)));
    EXPECT_EQ(image.pixel(0, 0), 0xFF0A141Eu);
    EXPECT_EQ(image.pixel(1, 0), 0x00010203u);
}

TEST_F(PngReader, InterlacedAndSixteenBitFilesDecodeToTheSamePixels) {
    PngSpec spec = makeSpec(9, 9, PNG_COLOR_TYPE_RGB, 16);
    spec.interlaced = true;
    for (int y = 0; y < 9; ++y) {
        std::vector<std::uint8_t> row;
        for (int x = 0; x < 9; ++x) {
            row.insert(row.end(), {static_cast<std::uint8_t>(x * 20), 0x77,
                                   static_cast<std::uint8_t>(y * 20), 0x11, 0xAB, 0x01});
        }
        spec.rows.push_back(row);
    }
    ASSERT_TRUE(loadPng(image, write("i16.png", spec)));
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x) {
            const Pixel expected =
                static_cast<Pixel>(x * 20) << 16 | static_cast<Pixel>(y * 20) << 8 | 0xAB;
            ASSERT_EQ(image.pixel(x, y), expected) << x << "," << y;
        }
    }
}

TEST_F(PngReader, PaletteWithTransparencyGivesAlphaZeroOr255) {
    PngSpec spec = makeSpec(3, 1, PNG_COLOR_TYPE_PALETTE);
    spec.palette = {{0, 0, 0}, {255, 0, 0}, {0, 0, 255}};
    spec.paletteAlpha = {0};
    spec.rows = {{0, 1, 2}};
    ASSERT_TRUE(loadPng(image, write("pal.png", spec)));
    EXPECT_EQ(image.pixel(0, 0), 0x00000000u);
    EXPECT_EQ(image.pixel(1, 0), 0xFFFF0000u);
    EXPECT_EQ(image.pixel(2, 0), 0xFF0000FFu);

    spec.paletteAlpha.clear();
    ASSERT_TRUE(loadPng(image, write("opaque.png", spec)));
    EXPECT_EQ(image.pixel(1, 0), 0x00FF0000u);
}

TEST_F(PngReader, GrayKindsAreRepeatedInEveryColour) {
    // Two bits a pixel: 0, 1, 2, 3 become 0x00, 0x55, 0xAA, 0xFF.
    PngSpec low = makeSpec(4, 1, PNG_COLOR_TYPE_GRAY, 2);
    low.rows = {{0b00011011}};
    ASSERT_TRUE(loadPng(image, write("g2.png", low)));
    EXPECT_EQ(image.pixel(0, 0), 0x00000000u);
    EXPECT_EQ(image.pixel(1, 0), 0x00555555u);
    EXPECT_EQ(image.pixel(3, 0), 0x00FFFFFFu);

    PngSpec alpha = makeSpec(2, 1, PNG_COLOR_TYPE_GRAY_ALPHA);
    alpha.rows = {{0x40, 0x80, 0x90, 0xFF}};
    ASSERT_TRUE(loadPng(image, write("ga.png", alpha)));
    EXPECT_EQ(image.pixel(0, 0), 0x80404040u);
    EXPECT_EQ(image.pixel(1, 0), 0xFF909090u);

    PngSpec keyed = makeSpec(2, 1, PNG_COLOR_TYPE_GRAY);
    keyed.rows = {{0x20, 0x30}};
    keyed.hasTransparent = true;
    keyed.transparent.gray = 0x20;
    ASSERT_TRUE(loadPng(image, write("gt.png", keyed)));
    EXPECT_EQ(image.pixel(0, 0), 0x00202020u);
    EXPECT_EQ(image.pixel(1, 0), 0xFF303030u);
}

TEST_F(PngReader, BrokenAndOversizedFilesFail) {
    PngSpec spec = makeSpec(4, 4, PNG_COLOR_TYPE_RGB);
    spec.rows.assign(4, std::vector<std::uint8_t>(12, 0x42));
    const std::string good = write("good.png", spec);
    std::ifstream in(good, std::ios::binary);
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
    ASSERT_GT(bytes.size(), 60u);

    const std::vector<std::uint8_t> headerOnly(bytes.begin(), bytes.begin() + 40);
    EXPECT_FALSE(loadPng(image, files.write("cut.png", headerOnly)));
    EXPECT_FALSE(loadPng(image, files.write("text.png", {'n', 'o', 't', ' ', 'p', 'n', 'g'})));
    EXPECT_FALSE(loadPng(image, files.path("missing.png")));

    // A header that claims 20000 x 1 pixels is refused before any row is allocated.
    PngSpec wide = makeSpec(20000, 1, PNG_COLOR_TYPE_GRAY);
    wide.rows = {std::vector<std::uint8_t>(20000, 0)};
    image.resize(1, 1);
    EXPECT_FALSE(loadPng(image, write("wide.png", wide)));
    EXPECT_EQ(image.width(), 1);
}

TEST_F(PngReader, ImageFileChoosesPngInAnyCase) {
    PngSpec spec = makeSpec(1, 1, PNG_COLOR_TYPE_RGB);
    spec.rows = {{1, 2, 3}};
    EXPECT_TRUE(loadImageFile(image, write("upper.PNG", spec)));
    EXPECT_EQ(image.pixel(0, 0), 0x00010203u);
    Image other(write("lower.png", spec));
    EXPECT_EQ(other.width(), 1);
}

TEST_F(PngReader, SavedPicturesComeBackWithoutTheirTopByte) {
    Image picture;
    picture.resize(5, 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            picture.setPixel(x, y, 0xAB000000u | static_cast<Pixel>(x * 40) << 16 | y * 80);
        }
    }
    const std::string file = files.path("shot.png");
    ASSERT_TRUE(savePng(picture, file));
    ASSERT_TRUE(loadPng(image, file));
    ASSERT_EQ(image.width(), 5);
    ASSERT_EQ(image.height(), 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            ASSERT_EQ(image.pixel(x, y), picture.pixel(x, y) & 0xFFFFFF) << x << "," << y;
        }
    }
    EXPECT_FALSE(savePng(picture, files.path("no/such/folder/shot.png")));
    EXPECT_FALSE(savePng(Image(), files.path("empty.png")));
}
