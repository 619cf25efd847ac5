// Fuzz target: the PNG reader over bytes in memory; an accepted picture is also drawn.
#include "fuzz/FuzzTarget.h"
#include "gfx/Image.h"
#include "gfx/ImageFile.h"

namespace {

bool samePictures(const Image& a, const Image& b) {
    if (a.width() != b.width() || a.height() != b.height()) {
        return false;
    }
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

bool fuzzLoad(const std::uint8_t* data, std::size_t size) {
    Image picture;
    if (!loadPngFromMemory(picture, data, size)) {
        return false;
    }
    Image target;
    target.resize(16, 16);
    picture.drawTo(target, -3, -3);
    return true;
}

bool sameAsFileLoad(const char* path, const std::uint8_t* data, std::size_t size) {
    Image fromFile;
    Image fromMemory;
    const bool fileLoaded = loadPng(fromFile, path);
    return fileLoaded == loadPngFromMemory(fromMemory, data, size) &&
           (!fileLoaded || samePictures(fromFile, fromMemory));
}
