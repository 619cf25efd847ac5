// The PNG reader behind loadPng, built on libpng.
#include <png.h>

#include <bit>
#include <csetjmp>
#include <cstdio>
#include <cstring>

#include "files/GameFileSource.h"
#include "gfx/Image.h"
#include "gfx/ImageFile.h"

static_assert(std::endian::native == std::endian::little,
              "rows are decoded as blue, green, red, alpha bytes straight into 0xAARRGGBB words");

namespace {

// A broken picture is reported once, with its file name, so that a modder can find it; the
// load then fails and the caller decides what that means.
[[noreturn]] void onPngError(png_structp png, png_const_charp message) {
    const auto* fileName = static_cast<const char*>(png_get_error_ptr(png));
    std::fprintf(stderr, "%s: %s\n", fileName != nullptr ? fileName : "PNG", message);
    png_longjmp(png, 1);
}

// Warnings (unknown chunks, odd gamma values and the like) never matter to the game.
void onPngWarning(png_structp, png_const_charp) {}

// A picture held in memory, read from the front.
struct MemoryInput {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t position;
};

// A game file, read as a stream.
void readFromStream(png_structp png, png_bytep out, png_size_t count) {
    auto* input = static_cast<std::istream*>(png_get_io_ptr(png));
    input->read(reinterpret_cast<char*>(out), static_cast<std::streamsize>(count));
    if (static_cast<png_size_t>(input->gcount()) != count) {
        png_error(png, "file ends early");
    }
}

void readFromMemory(png_structp png, png_bytep out, png_size_t count) {
    auto* input = static_cast<MemoryInput*>(png_get_io_ptr(png));
    if (count > input->size - input->position) {
        png_error(png, "file ends early");
    }
    std::memcpy(out, input->data + input->position, count);
    input->position += count;
}

// Everything libpng owns is created and destroyed here, and nothing with a destructor lives
// in this function, so the long jump back from an error skips no C++ clean-up.
// The bytes come from the game file's stream when it is given, else from memory.
// A picture of more than maxPixels pixels is refused once its header is read.
PictureRead decode(std::istream* file, MemoryInput* memory, const char* fileName, Image& image,
                   long long maxPixels) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, const_cast<char*>(fileName),
                                             onPngError, onPngWarning);
    if (png == nullptr) {
        return PictureRead::Failed;
    }
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return PictureRead::Failed;
    }
    png_bytepp volatile rows = nullptr;  // set after setjmp, freed after a jump back
    if (setjmp(png_jmpbuf(png))) {
        png_free(png, rows);
        png_destroy_read_struct(&png, &info, nullptr);
        return PictureRead::Failed;
    }
    png_set_user_limits(png, kMaxImageSide, kMaxImageSide);
    if (file != nullptr) {
        png_set_read_fn(png, file, readFromStream);
    } else {
        png_set_read_fn(png, memory, readFromMemory);
    }
    png_set_sig_bytes(png, 0);
    png_read_info(png, info);

    const png_uint_32 width = png_get_image_width(png, info);
    const png_uint_32 height = png_get_image_height(png, info);
    if (static_cast<long long>(width) * height > kMaxImagePixels) {
        png_error(png, "picture larger than the game accepts");
    }
    if (static_cast<long long>(width) * height > maxPixels) {
        png_destroy_read_struct(&png, &info, nullptr);
        return PictureRead::OverLimit;
    }
    const int colourType = png_get_color_type(png, info);
    const int bitDepth = png_get_bit_depth(png, info);
    if (png_get_valid(png, info, PNG_INFO_tRNS) != 0) {
        png_set_expand(png);
    }
    if (colourType == PNG_COLOR_TYPE_PALETTE) {
        png_set_expand(png);
    }
    if (colourType == PNG_COLOR_TYPE_GRAY && bitDepth < 8) {
        png_set_expand(png);
    }
    if (bitDepth > 8) {
        png_set_strip_16(png);
    }
    if (colourType == PNG_COLOR_TYPE_GRAY || colourType == PNG_COLOR_TYPE_GRAY_ALPHA) {
        png_set_gray_to_rgb(png);
    }
    if ((colourType & PNG_COLOR_MASK_ALPHA) == 0) {
        png_set_filler(png, 0, PNG_FILLER_AFTER);
    }
    png_set_bgr(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    // Every row must arrive as exactly one image row of 32-bit pixels.
    if (png_get_rowbytes(png, info) != static_cast<png_size_t>(width) * 4) {
        png_error(png, "unexpected row layout after conversion");
    }

    image.resize(static_cast<int>(width), static_cast<int>(height));
    rows = static_cast<png_bytepp>(png_malloc(png, sizeof(png_bytep) * (height > 0 ? height : 1)));
    for (png_uint_32 i = 0; i < height; ++i) {
        rows[i] = reinterpret_cast<png_bytep>(image.row(static_cast<int>(i)));
    }
    png_read_image(png, rows);
    png_free(png, rows);
    png_destroy_read_struct(&png, &info, nullptr);
    return PictureRead::Loaded;
}

}  // namespace

PictureRead readPng(Image& image, const std::string& fileName, long long maxPixels) {
    std::optional<GameFileSource::File> file = GameFileSource::current().open(fileName);
    if (!file) {
        return PictureRead::Failed;
    }
    return decode(file->stream.get(), nullptr, fileName.c_str(), image, maxPixels);
}

bool loadPng(Image& image, const std::string& fileName) {
    return readPng(image, fileName, kMaxImagePixels) == PictureRead::Loaded;
}

bool loadPngFromMemory(Image& image, const std::uint8_t* data, std::size_t size) {
    MemoryInput input{data, size, 0};
    return decode(nullptr, &input, "PNG in memory", image, kMaxImagePixels) == PictureRead::Loaded;
}
