#include "gfx/ImageFile.h"

#include "gfx/Image.h"

// Placeholder until the readers land.
bool loadImageFile(Image&, const std::string&) { return false; }
bool loadBmp(Image&, const std::string&) { return false; }
bool loadPng(Image&, const std::string&) { return false; }
