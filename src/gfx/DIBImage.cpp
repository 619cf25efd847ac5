#include "gfx/DIBImage.h"

#include <algorithm>
#include <climits>
#include <typeinfo>

#include "platform/TextRasterizer.h"

DIBImage::DIBImage(int width, int height) {
    DIBImage::resize(width, height);
}

void DIBImage::resize(int width, int height) {
    Image::resize(width, height);
    font_ = nullptr;
    textColor_ = 0xFFFFFF;
}

Image::RowRule DIBImage::rowRule() const {
    // The framebuffer draws as a plain image unless a subclass brings a pixel rule of its own.
    return {typeid(*this) == typeid(DIBImage) ? RowRule::Kind::Copy : RowRule::Kind::PerPixel, 0};
}

void drawText(DIBImage& target, const std::string& text, int x, int y) {
    const Font* font = target.selectedFont();
    if (font == nullptr || font->rasterizer() == nullptr) {
        return;
    }
    // Each byte is 4 pixels wide; wide arithmetic keeps a long text from wrapping around.
    const long long right = std::min<long long>(
        x + static_cast<long long>(std::min<std::size_t>(text.size(), INT_MAX)) * 8 / 2, INT_MAX);
    const int bottom = y > INT_MAX - 8 ? INT_MAX : y + 8;
    font->rasterizer()->drawText(target, text, x, y, static_cast<int>(right), bottom,
                                 target.textColor());
}
