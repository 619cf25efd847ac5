// Compares a window dump (xwd, 24 or 32 bits per pixel, TrueColor) with a PNG picture:
//
//     xwd_compare WINDOW.xwd PICTURE.png LEFT TOP SCALE WIDTH HEIGHT
//
// Every picture pixel, zoomed SCALE times, must appear in the window with its top-left corner
// at (LEFT, TOP), the window must be WIDTH x HEIGHT pixels, and everything right of and below
// the picture must be white. Prints what differs. Exit status 0 when they match, 1 when they
// differ, 2 when a file cannot be read.
#include <cstdint>
#include <iostream>
#include <string>

#include "XwdRaster.h"

int main(int argc, char** argv) {
    if (argc != 8) {
        std::cerr << "usage: xwd_compare WINDOW.xwd PICTURE.png LEFT TOP SCALE WIDTH HEIGHT\n";
        return 2;
    }
    Raster dump;
    std::string error;
    if (!xwd_raster::readDump(argv[1], dump, error)) {
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
