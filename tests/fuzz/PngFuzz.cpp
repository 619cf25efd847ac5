// Fuzz target: the PNG reader over bytes in memory; an accepted picture is also drawn.
#include "fuzz/FuzzTarget.h"
#include "fuzz/PictureFuzz.h"
#include "gfx/ImageFile.h"

bool fuzzLoad(const std::uint8_t* data, std::size_t size) {
    return picture_fuzz::load(loadPngFromMemory, data, size);
}

bool sameAsFileLoad(const char* path, const std::uint8_t* data, std::size_t size) {
    return picture_fuzz::sameAsFileLoad(loadPng, loadPngFromMemory, path, data, size);
}
