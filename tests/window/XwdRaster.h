#pragma once

// Reads a window dump (xwd, 24 or 32 bits per pixel, TrueColor ZPixmap) or a PNG picture into
// plain 0xRRGGBB pixels, top row first, for the window tests' comparers.
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "gfx/Image.h"
#include "gfx/ImageFile.h"

struct Raster {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t rgb(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
};

namespace xwd_raster {

inline std::uint32_t bigEndian(const unsigned char* p) {
    return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}

inline std::uint32_t channel(std::uint32_t value, std::uint32_t mask) {
    if (mask == 0) {
        return 0;
    }
    int shift = 0;
    while (((mask >> shift) & 1u) == 0) {
        ++shift;
    }
    return ((value & mask) >> shift) & 0xFF;
}

inline bool readDump(const std::string& fileName, Raster& raster, std::string& error) {
    std::ifstream file(fileName, std::ios::binary);
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(file)),
                                           std::istreambuf_iterator<char>());
    if (bytes.size() < 100) {
        error = "too short for a window dump";
        return false;
    }
    auto field = [&](int index) { return bigEndian(bytes.data() + 4 * index); };
    const std::uint32_t headerSize = field(0);
    const std::uint32_t colours = field(19);
    const int width = static_cast<int>(field(4));
    const int height = static_cast<int>(field(5));
    const bool lsbFirst = field(7) == 0;
    const int bytesPerPixel = static_cast<int>(field(11) / 8);
    const int bytesPerLine = static_cast<int>(field(12));
    const std::uint32_t red = field(14), green = field(15), blue = field(16);
    if (field(1) != 7 || field(2) != 2 || (bytesPerPixel != 3 && bytesPerPixel != 4) ||
        width <= 0 || height <= 0 || width > 16384 || height > 16384 ||
        bytesPerLine < width * bytesPerPixel || colours > 65536) {
        error = "not a 24 or 32 bit ZPixmap window dump";
        return false;
    }
    const std::size_t start = std::size_t{headerSize} + std::size_t{colours} * 12;
    const std::size_t size = static_cast<std::size_t>(bytesPerLine) * height;
    if (start > bytes.size() || bytes.size() - start < size) {
        error = "the pixels are cut short";
        return false;
    }
    raster.width = width;
    raster.height = height;
    raster.pixels.resize(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const unsigned char* p = bytes.data() + start +
                                     static_cast<std::size_t>(y) * bytesPerLine +
                                     static_cast<std::size_t>(x) * bytesPerPixel;
            std::uint32_t value = 0;
            for (int i = 0; i < bytesPerPixel; ++i) {
                const int shift = lsbFirst ? 8 * i : 8 * (bytesPerPixel - 1 - i);
                value |= static_cast<std::uint32_t>(p[i]) << shift;
            }
            raster.pixels[static_cast<std::size_t>(y) * width + x] =
                channel(value, red) << 16 | channel(value, green) << 8 | channel(value, blue);
        }
    }
    return true;
}

}  // namespace xwd_raster

// A file ending in ".png" is read as a picture, anything else as a window dump.
inline bool readRaster(const std::string& fileName, Raster& raster, std::string& error) {
    if (fileName.size() < 4 || fileName.compare(fileName.size() - 4, 4, ".png") != 0) {
        return xwd_raster::readDump(fileName, raster, error);
    }
    Image picture;
    if (!loadImageFile(picture, fileName)) {
        error = "cannot read the picture";
        return false;
    }
    raster.width = picture.width();
    raster.height = picture.height();
    raster.pixels.resize(static_cast<std::size_t>(raster.width) * raster.height);
    for (int y = 0; y < raster.height; ++y) {
        for (int x = 0; x < raster.width; ++x) {
            raster.pixels[static_cast<std::size_t>(y) * raster.width + x] =
                picture.pixel(x, y) & 0xFFFFFF;
        }
    }
    return true;
}
