#pragma once

#include <string>

class Image;

// Writes the picture as an 8-bit RGB PNG, top row first, as the player sees it: the top byte
// of each pixel is left out. False when the file cannot be written or the image is empty.
bool savePng(const Image& image, const std::string& fileName);
