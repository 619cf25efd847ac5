#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class Image;

// Largest picture the readers accept: a file that declares more is refused before anything
// is allocated.
constexpr int kMaxImageSide = 16384;
constexpr long long kMaxImagePixels = 16LL * 1024 * 1024;

// What reading a picture file came to.
enum class PictureRead {
    Loaded,
    Failed,    // no such file, not a picture the readers know, or broken
    OverLimit  // a valid picture larger than the caller allowed; the image is left untouched
};

// loadImageFile with a cap on the pixels the picture may decode to: a larger one is refused
// after its header is read and before any pixels are allocated.
PictureRead readImageFile(Image& image, const std::string& fileName, long long maxPixels);

// Reads a picture file into the image, choosing the reader by the extension ("bmp" or "png",
// any case). A backslash in the name is read as a folder separator off Windows.
bool loadImageFile(Image& image, const std::string& fileName);
// Uncompressed Windows bitmaps: 4, 8, 16 (5-5-5), 24 and 32 bits per pixel, stored bottom-up
// or top-down. A file that ends early still loads; the missing pixels repeat the last value.
bool loadBmp(Image& image, const std::string& fileName);
// PNG through libpng, every colour type, converted to 0xAARRGGBB (top byte 0 unless the file
// carries transparency). A broken file is named on stderr with libpng's reason.
bool loadPng(Image& image, const std::string& fileName);
// The two readers with the caller's cap on the pixels (readImageFile picks one).
PictureRead readBmp(Image& image, const std::string& fileName, long long maxPixels);
PictureRead readPng(Image& image, const std::string& fileName, long long maxPixels);

// The same readers over a whole file held in memory.
bool loadBmpFromMemory(Image& image, const std::uint8_t* data, std::size_t size);
bool loadPngFromMemory(Image& image, const std::uint8_t* data, std::size_t size);
