// Compares a window dump (xwd, 24 or 32 bits per pixel, TrueColor) with a PNG picture:
//
//     xwd_compare WINDOW.xwd PICTURE.png LEFT TOP SCALE WIDTH HEIGHT
//
// Every picture pixel, zoomed SCALE times, must appear in the window with its top-left corner
// at (LEFT, TOP), the window must be WIDTH x HEIGHT pixels, and everything right of and below
// the picture must be white. Prints what differs. Exit status 0 when they match, 1 when they
// differ, 2 when a file cannot be read.
#include <cstdint>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "gfx/Image.h"
#include "gfx/ImageFile.h"

namespace {

struct Dump {
    int width = 0;
    int height = 0;
    int bytesPerPixel = 0;
    int bytesPerLine = 0;
    bool lsbFirst = true;
    std::uint32_t redMask = 0, greenMask = 0, blueMask = 0;
    std::vector<unsigned char> pixels;

    std::uint32_t rgb(int x, int y) const {
        const unsigned char* p = pixels.data() + static_cast<std::size_t>(y) * bytesPerLine +
                                 static_cast<std::size_t>(x) * bytesPerPixel;
        std::uint32_t value = 0;
        for (int i = 0; i < bytesPerPixel; ++i) {
            const int shift = lsbFirst ? 8 * i : 8 * (bytesPerPixel - 1 - i);
            value |= static_cast<std::uint32_t>(p[i]) << shift;
        }
        return channel(value, redMask) << 16 | channel(value, greenMask) << 8 |
               channel(value, blueMask);
    }

    static std::uint32_t channel(std::uint32_t value, std::uint32_t mask) {
        if (mask == 0) {
            return 0;
        }
        int shift = 0;
        while (((mask >> shift) & 1u) == 0) {
            ++shift;
        }
        return ((value & mask) >> shift) & 0xFF;
    }
};

std::uint32_t bigEndian(const unsigned char* p) {
    return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}

bool readDump(const std::string& fileName, Dump& dump, std::string& error) {
    std::ifstream file(fileName, std::ios::binary);
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(file)),
                                     std::istreambuf_iterator<char>());
    if (bytes.size() < 100) {
        error = "too short for a window dump";
        return false;
    }
    auto field = [&](int index) { return bigEndian(bytes.data() + 4 * index); };
    const std::uint32_t headerSize = field(0);
    const std::uint32_t colours = field(19);
    dump.width = static_cast<int>(field(4));
    dump.height = static_cast<int>(field(5));
    dump.lsbFirst = field(7) == 0;
    dump.bytesPerPixel = static_cast<int>(field(11) / 8);
    dump.bytesPerLine = static_cast<int>(field(12));
    dump.redMask = field(14);
    dump.greenMask = field(15);
    dump.blueMask = field(16);
    if (field(1) != 7 || field(2) != 2 || (dump.bytesPerPixel != 3 && dump.bytesPerPixel != 4) ||
        dump.width <= 0 || dump.height <= 0 || dump.width > 16384 || dump.height > 16384 ||
        dump.bytesPerLine < dump.width * dump.bytesPerPixel || colours > 65536) {
        error = "not a 24 or 32 bit ZPixmap window dump";
        return false;
    }
    const std::size_t start = std::size_t{headerSize} + std::size_t{colours} * 12;
    const std::size_t size = static_cast<std::size_t>(dump.bytesPerLine) * dump.height;
    if (start > bytes.size() || bytes.size() - start < size) {
        error = "the pixels are cut short";
        return false;
    }
    dump.pixels.assign(bytes.begin() + static_cast<long>(start),
                       bytes.begin() + static_cast<long>(start + size));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 8) {
        std::cerr << "usage: xwd_compare WINDOW.xwd PICTURE.png LEFT TOP SCALE WIDTH HEIGHT\n";
        return 2;
    }
    Dump dump;
    std::string error;
    if (!readDump(argv[1], dump, error)) {
        std::cerr << argv[1] << ": " << error << '\n';
        return 2;
    }
    Image picture;
    if (!loadImageFile(picture, argv[2])) {
        std::cerr << argv[2] << ": cannot read the picture\n";
        return 2;
    }
    const int left = std::stoi(argv[3]);
    const int top = std::stoi(argv[4]);
    const int scale = std::stoi(argv[5]);
    const int width = std::stoi(argv[6]);
    const int height = std::stoi(argv[7]);
    if (dump.width != width || dump.height != height) {
        std::cout << "window is " << dump.width << "x" << dump.height << ", expected " << width
                  << "x" << height << '\n';
        return 1;
    }
    if (left < 0 || top < 0 || scale < 1 || left + picture.width() * scale > dump.width ||
        top + picture.height() * scale > dump.height) {
        std::cout << "the picture does not fit in the window\n";
        return 1;
    }
    long differences = 0;
    for (int y = 0; y < picture.height() * scale; ++y) {
        for (int x = 0; x < picture.width() * scale; ++x) {
            const std::uint32_t expected = picture.pixel(x / scale, y / scale) & 0xFFFFFF;
            const std::uint32_t actual = dump.rgb(left + x, top + y);
            if (expected != actual && differences++ == 0) {
                std::cout << std::hex << "first difference at picture (" << std::dec << x << ", "
                          << y << "): window " << std::hex << actual << ", expected " << expected
                          << std::dec << '\n';
            }
        }
    }
    const int right = left + picture.width() * scale;
    const int bottom = top + picture.height() * scale;
    long notWhite = 0;
    for (int y = 0; y < dump.height; ++y) {
        for (int x = y < bottom ? right : 0; x < dump.width; ++x) {
            notWhite += dump.rgb(x, y) != 0xFFFFFF;
        }
    }
    if (notWhite != 0) {
        std::cout << notWhite << " pixels beside the picture are not white\n";
    }
    if (differences != 0) {
        std::cout << differences << " pixels differ\n";
    }
    return differences == 0 && notWhite == 0 ? 0 : 1;
}
