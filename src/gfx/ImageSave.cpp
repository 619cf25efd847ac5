#include "gfx/ImageSave.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <vector>

#include "gfx/Image.h"

namespace {

// libpng reports errors by longjmp; this only carries the jump back to writeRows.
[[noreturn]] void onPngError(png_structp png, png_const_charp message) {
    std::fprintf(stderr, "savePng: %s\n", message);
    png_longjmp(png, 1);
}

void onPngWarning(png_structp, png_const_charp) {}

// Everything between png_create_write_struct and png_destroy_write_struct lives here, so no
// object with a destructor is live across setjmp. Rows are given ready-made by the caller.
bool writeRows(std::FILE* file, int width, int height, png_bytepp rows) {
    png_structp png =
        png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, onPngError, onPngWarning);
    if (png == nullptr) {
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

bool savePng(const Image& image, const std::string& fileName) {
    const int width = image.width();
    const int height = image.height();
    if (image.empty() || width <= 0 || height <= 0) {
        return false;
    }
    // One RGB copy of the picture, top row first.
    const std::size_t stride = static_cast<std::size_t>(width) * 3;
    std::vector<png_byte> bytes(stride * static_cast<std::size_t>(height));
    std::vector<png_bytep> rows(static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        png_bytep out = bytes.data() + stride * static_cast<std::size_t>(y);
        rows[static_cast<std::size_t>(y)] = out;
        const Pixel* in = image.row(y);
        for (int x = 0; x < width; ++x) {
            out[3 * x] = static_cast<png_byte>(in[x] >> 16);
            out[3 * x + 1] = static_cast<png_byte>(in[x] >> 8);
            out[3 * x + 2] = static_cast<png_byte>(in[x]);
        }
    }
    std::FILE* file = std::fopen(fileName.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = writeRows(file, width, height, rows.data());
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        std::remove(fileName.c_str());  // never leave a half-written picture behind
        return false;
    }
    return true;
}
