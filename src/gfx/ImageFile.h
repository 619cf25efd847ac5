#pragma once

#include <string>

class Image;

// Largest picture the readers accept: a file that declares more is refused before anything
// is allocated.
constexpr int kMaxImageSide = 16384;
constexpr long long kMaxImagePixels = 16LL * 1024 * 1024;

// Reads a picture file into the image, choosing the reader by the extension ("bmp" or "png",
// any case). A backslash in the name is read as a folder separator off Windows.
bool loadImageFile(Image& image, const std::string& fileName);
// Uncompressed Windows bitmaps: 4, 8, 16 (5-5-5), 24 and 32 bits per pixel.
bool loadBmp(Image& image, const std::string& fileName);
// PNG through libpng, every colour type, converted to 0xAARRGGBB.
bool loadPng(Image& image, const std::string& fileName);
