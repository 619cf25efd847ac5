#pragma once

#include <string>

#include "gfx/Image.h"

// Draws Shift-JIS text in the 8-pixel game font into an image: one colour, transparent
// background, clipped to a rectangle. A one-byte character advances 4 pixels, a two-byte
// character 8; a line break starts the next line 8 pixels lower at the left edge.
class TextRasterizer {
public:
    virtual ~TextRasterizer() = default;
    // The rectangle (left, top)-(right, bottom) is exclusive at the right and bottom and is
    // further limited by the target's clip rectangle. The top byte of colour is ignored.
    virtual void drawText(Image& target, const std::string& text, int left, int top, int right,
                          int bottom, Pixel colour) = 0;
};
