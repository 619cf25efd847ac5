#pragma once

// The parts shared by the fuzz targets of the picture readers: each target names its reader,
// from memory and from a file, and these do the rest.
#include <cstddef>
#include <cstdint>
#include <string>

#include "gfx/Image.h"

namespace picture_fuzz {

using MemoryReader = bool (*)(Image&, const std::uint8_t*, std::size_t);
using FileReader = bool (*)(Image&, const std::string&);

inline bool samePictures(const Image& a, const Image& b) {
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

// Reads the bytes; an accepted picture is also drawn, partly off a small target.
inline bool load(MemoryReader read, const std::uint8_t* data, std::size_t size) {
    Image picture;
    if (!read(picture, data, size)) {
        return false;
    }
    Image target;
    target.resize(16, 16);
    picture.drawTo(target, -3, -3);
    return true;
}

// Whether the file reader and the memory reader agree on acceptance and on the picture.
inline bool sameAsFileLoad(FileReader readFile, MemoryReader readMemory, const char* path,
                           const std::uint8_t* data, std::size_t size) {
    Image fromFile;
    Image fromMemory;
    const bool fileLoaded = readFile(fromFile, path);
    return fileLoaded == readMemory(fromMemory, data, size) &&
           (!fileLoaded || samePictures(fromFile, fromMemory));
}

}  // namespace picture_fuzz
