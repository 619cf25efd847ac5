#include "gfx/ImageFile.h"

#include <cctype>

#include "gfx/Image.h"

bool loadImageFile(Image& image, const std::string& fileName) {
    return readImageFile(image, fileName, kMaxImagePixels) == PictureRead::Loaded;
}

PictureRead readImageFile(Image& image, const std::string& fileName, long long maxPixels) {
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string::npos) {
        return PictureRead::Failed;
    }
    std::string extension = fileName.substr(dot + 1);
    for (char& c : extension) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            c = static_cast<char>(std::tolower(byte));
        }
    }
    if (extension == "bmp") {
        return readBmp(image, fileName, maxPixels);
    }
    if (extension == "png") {
        return readPng(image, fileName, maxPixels);
    }
    return PictureRead::Failed;
}
