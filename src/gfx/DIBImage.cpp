#include "gfx/DIBImage.h"

#include "platform/TextRasterizer.h"

DIBImage::DIBImage(int width, int height) {
    DIBImage::resize(width, height);
}

void DIBImage::resize(int width, int height) {
    Image::resize(width, height);
    font_ = nullptr;
    textColor_ = 0xFFFFFF;
}

void drawText(DIBImage& target, const std::string& text, int x, int y) {
    const Font* font = target.selectedFont();
    if (font == nullptr || font->rasterizer() == nullptr) {
        return;
    }
    const int right = x + static_cast<int>(text.size() * 8 / 2);
    font->rasterizer()->drawText(target, text, x, y, right, y + 8, target.textColor());
}
