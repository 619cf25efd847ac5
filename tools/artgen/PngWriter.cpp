#include "PngWriter.h"

#include <png.h>

#include <cstdio>
#include <vector>

#include "Canvas.h"

bool writePng(const Canvas& canvas, const std::string& fileName) {
    FILE* file = std::fopen(fileName.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, canvas.width(), canvas.height(), 8, PNG_COLOR_TYPE_RGBA,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<png_byte> row(canvas.width() * 4);
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            const auto value = canvas.pixel(x, y);
            row[x * 4 + 0] = static_cast<png_byte>(value >> 16);
            row[x * 4 + 1] = static_cast<png_byte>(value >> 8);
            row[x * 4 + 2] = static_cast<png_byte>(value);
            row[x * 4 + 3] = static_cast<png_byte>(value >> 24);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0;
}
