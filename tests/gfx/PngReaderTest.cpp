#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>
#include <functional>

#include "TempFiles.h"
#include "gfx/Image.h"
#include "gfx/ImageFile.h"
#include "gfx/ImageSave.h"

namespace {

using Rows = std::vector<std::vector<std::uint8_t>>;
using Extra = std::function<void(png_structp, png_infop)>;

class PngReader : public ::testing::Test {
protected:
    // Writes a PNG through libpng exactly as described; extra adds chunks such as tRNS.
    std::string write(const std::string& name, int width, int colourType, int bitDepth,
                      const Rows& rows, const Extra& extra = {}, bool interlaced = false) {
        const std::string file = files.path(name);
        std::FILE* out = std::fopen(file.c_str(), "wb");
        png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
        png_infop info = png_create_info_struct(png);
        png_init_io(png, out);
        png_set_IHDR(png, info, width, static_cast<png_uint_32>(rows.size()), bitDepth, colourType,
                     interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                     PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        if (extra) {
            extra(png, info);
        }
        png_write_info(png, info);
        std::vector<png_bytep> pointers;
        for (const auto& row : rows) {
            pointers.push_back(const_cast<png_bytep>(row.data()));
        }
        png_write_image(png, pointers.data());
        png_write_end(png, nullptr);
        png_destroy_write_struct(&png, &info);
        std::fclose(out);
        return file;
    }
    TempFiles files;
    Image image;
};

}  // namespace

TEST_F(PngReader, ColourTypesBecomeRgbWithAlphaOnlyWhereTheFileHasIt) {
    ASSERT_TRUE(loadPng(image, write("rgb.png", 2, PNG_COLOR_TYPE_RGB, 8,
                                     {{10, 20, 30, 40, 50, 60}, {70, 80, 90, 100, 110, 120}})));
    ASSERT_EQ(image.height(), 2);
    EXPECT_EQ(image.pixel(0, 0), 0x000A141Eu);
    EXPECT_EQ(image.pixel(1, 1), 0x00646E78u);

    ASSERT_TRUE(loadPng(
        image, write("rgba.png", 2, PNG_COLOR_TYPE_RGB_ALPHA, 8, {{10, 20, 30, 255, 1, 2, 3, 0}})));
    EXPECT_EQ(image.pixel(0, 0), 0xFF0A141Eu);
    EXPECT_EQ(image.pixel(1, 0), 0x00010203u);

    // Palette with one transparent entry: alpha 0 there, 255 elsewhere.
    const Extra palette = [](png_structp png, png_infop info) {
        png_color colours[] = {{0, 0, 0}, {255, 0, 0}};
        png_byte alpha[] = {0};
        png_set_PLTE(png, info, colours, 2);
        png_set_tRNS(png, info, alpha, 1, nullptr);
    };
    ASSERT_TRUE(loadPng(image, write("pal.png", 2, PNG_COLOR_TYPE_PALETTE, 8, {{0, 1}}, palette)));
    EXPECT_EQ(image.pixel(0, 0), 0x00000000u);
    EXPECT_EQ(image.pixel(1, 0), 0xFFFF0000u);

    // Gray: two bits a pixel widen to 0x00, 0x55, 0xAA, 0xFF; gray with alpha keeps its alpha.
    ASSERT_TRUE(loadPng(image, write("g2.png", 4, PNG_COLOR_TYPE_GRAY, 2, {{0b00011011}})));
    EXPECT_EQ(image.pixel(1, 0), 0x00555555u);
    EXPECT_EQ(image.pixel(3, 0), 0x00FFFFFFu);
    ASSERT_TRUE(
        loadPng(image, write("ga.png", 2, PNG_COLOR_TYPE_GRAY_ALPHA, 8, {{0x40, 0x80, 9, 255}})));
    EXPECT_EQ(image.pixel(0, 0), 0x80404040u);
    EXPECT_EQ(image.pixel(1, 0), 0xFF090909u);
}

TEST_F(PngReader, InterlacedSixteenBitFileDecodesEveryPixel) {
    Rows rows(9);
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x) {
            rows[y].insert(rows[y].end(), {static_cast<std::uint8_t>(x * 20), 0x77,
                                           static_cast<std::uint8_t>(y * 20), 0x11, 0xAB, 1});
        }
    }
    ASSERT_TRUE(loadPng(image, write("i16.png", 9, PNG_COLOR_TYPE_RGB, 16, rows, {}, true)));
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x) {
            ASSERT_EQ(image.pixel(x, y), static_cast<Pixel>(x * 20 << 16 | y * 20 << 8 | 0xAB));
        }
    }
}

TEST_F(PngReader, BrokenAndOversizedFilesFail) {
    const std::string good =
        write("good.png", 4, PNG_COLOR_TYPE_RGB, 8, Rows(4, std::vector<std::uint8_t>(12, 0x42)));
    std::ifstream in(good, std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
    EXPECT_FALSE(loadPng(image, files.write("cut.png", {bytes.begin(), bytes.begin() + 40})));
    EXPECT_FALSE(loadPng(image, files.write("text.png", {'n', 'o', 't', ' ', 'p', 'n', 'g'})));
    EXPECT_FALSE(loadPng(image, files.path("missing.png")));

    image.resize(1, 1);
    EXPECT_FALSE(loadPng(image, write("wide.png", 20000, PNG_COLOR_TYPE_GRAY, 8,
                                      Rows(1, std::vector<std::uint8_t>(20000)))));
    EXPECT_EQ(image.width(), 1);
}

TEST_F(PngReader, SavedPicturesComeBackWithoutTheirTopByte) {
    Image picture;
    picture.resize(5, 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            picture.setPixel(x, y, 0xAB000000u | static_cast<Pixel>(x * 40) << 16 | y * 80);
        }
    }
    ASSERT_TRUE(savePng(picture, files.path("shot.png")));
    ASSERT_TRUE(loadImageFile(image, files.path("shot.png")));
    ASSERT_EQ(image.height(), 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            ASSERT_EQ(image.pixel(x, y), picture.pixel(x, y) & 0xFFFFFF) << x << "," << y;
        }
    }
    std::filesystem::rename(files.path("shot.png"), files.path("shot.PNG"));
    EXPECT_TRUE(loadImageFile(image, files.path("shot.PNG")));
    EXPECT_FALSE(savePng(picture, files.path("no/such/folder/shot.png")));
    EXPECT_FALSE(savePng(Image(), files.path("empty.png")));
}
