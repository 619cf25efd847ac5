#pragma once

#include <string>

#include "gfx/Image.h"

class TextRasterizer;

// The game font: the 8-pixel Shift-JIS font that the platform's text rasterizer draws.
class Font {
public:
    explicit Font(TextRasterizer* rasterizer = nullptr) : rasterizer_(rasterizer) {}
    TextRasterizer* rasterizer() const { return rasterizer_; }

private:
    TextRasterizer* rasterizer_;
};

// The framebuffer: an image that text can also be drawn on. It remembers the selected font
// and the text colour (white at first, and again after every resize, which also drops the
// selected font).
class DIBImage : public Image {
public:
    DIBImage(int width, int height);

    void resize(int width, int height) override;
    void selectFont(const Font* font) { font_ = font; }
    const Font* selectedFont() const { return font_; }
    // Only the colour bytes count; the top byte is ignored.
    void setTextColor(Pixel colour) { textColor_ = colour & 0xFFFFFF; }
    Pixel textColor() const { return textColor_; }

protected:
    RowRule rowRule() const override;

private:
    const Font* font_ = nullptr;
    Pixel textColor_ = 0xFFFFFF;
};

// Draws a Shift-JIS string with its top-left corner at (x, y) in the selected font and text
// colour, clipped to (x, y)-(x + bytes * 4, y + 8). Without a font nothing is drawn.
void drawText(DIBImage& target, const std::string& text, int x, int y);
