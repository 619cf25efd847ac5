// Checks a window dump (or a PNG) against a picture shown zoomed inside a frame:
//
//     xwd_framed IMAGE PICTURE.png LEFT TOP SCALE WIDTH HEIGHT [X0 Y0 X1 Y1]
//
// IMAGE must be WIDTH x HEIGHT pixels, and every pixel of PICTURE must appear in it as a
// SCALE x SCALE block of exactly its colour (a sharp, unsmoothed zoom) with the top-left corner
// at (LEFT, TOP). When the frame rectangle (X1, Y1 exclusive) is given, everything outside it
// must be black: the margins of a centred fullscreen picture. Prints what differs. Exit status
// 0 when everything matches, 1 when not, 2 when a file cannot be read or the usage is wrong.
#include <iostream>
#include <string>

#include "XwdRaster.h"

int main(int argc, char** argv) {
    if (argc != 8 && argc != 12) {
        std::cerr << "usage: xwd_framed IMAGE PICTURE.png LEFT TOP SCALE WIDTH HEIGHT "
                     "[X0 Y0 X1 Y1]\n";
        return 2;
    }
    Raster image;
    Raster picture;
    std::string error;
    if (!readRaster(argv[1], image, error) || !readRaster(argv[2], picture, error)) {
        std::cerr << "cannot read " << argv[1] << " or " << argv[2] << ": " << error << '\n';
        return 2;
    }
    const int left = std::stoi(argv[3]);
    const int top = std::stoi(argv[4]);
    const int scale = std::stoi(argv[5]);
    const int width = std::stoi(argv[6]);
    const int height = std::stoi(argv[7]);
    if (image.width != width || image.height != height) {
        std::cout << "image is " << image.width << "x" << image.height << ", expected " << width
                  << "x" << height << '\n';
        return 1;
    }
    if (left < 0 || top < 0 || scale < 1 || left + picture.width * scale > width ||
        top + picture.height * scale > height) {
        std::cout << "the picture does not fit in the image\n";
        return 1;
    }
    long differences = 0;
    for (int y = 0; y < picture.height * scale; ++y) {
        for (int x = 0; x < picture.width * scale; ++x) {
            const std::uint32_t expected = picture.rgb(x / scale, y / scale);
            const std::uint32_t actual = image.rgb(left + x, top + y);
            if (expected != actual && differences++ == 0) {
                std::cout << std::hex << "first difference at picture (" << std::dec << x << ", "
                          << y << "): image " << std::hex << actual << ", expected " << expected
                          << std::dec << '\n';
            }
        }
    }
    long notBlack = 0;
    if (argc == 12) {
        const int x0 = std::stoi(argv[8]);
        const int y0 = std::stoi(argv[9]);
        const int x1 = std::stoi(argv[10]);
        const int y1 = std::stoi(argv[11]);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const bool inside = x >= x0 && x < x1 && y >= y0 && y < y1;
                notBlack += !inside && image.rgb(x, y) != 0;
            }
        }
    }
    if (notBlack != 0) {
        std::cout << notBlack << " pixels outside the frame are not black\n";
    }
    if (differences != 0) {
        std::cout << differences << " pixels differ\n";
    }
    return differences == 0 && notBlack == 0 ? 0 : 1;
}
