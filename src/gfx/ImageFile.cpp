#include "gfx/ImageFile.h"

#include <cctype>

#include "gfx/Image.h"

bool loadImageFile(Image& image, const std::string& fileName) {
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string::npos) {
        return false;
    }
    std::string extension = fileName.substr(dot + 1);
    for (char& c : extension) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            c = static_cast<char>(std::tolower(byte));
        }
    }
    if (extension == "bmp") {
        return loadBmp(image, fileName);
    }
    if (extension == "png") {
        return loadPng(image, fileName);
    }
    return false;
}
