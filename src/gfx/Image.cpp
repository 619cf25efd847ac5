#include "gfx/Image.h"

#include <algorithm>
#include <cstring>

#include "gfx/ImageFile.h"

Image::Image() {
    resize(0, 0);
}

Image::Image(const std::string& fileName) {
    loadImageFile(*this, fileName);
}

Image::~Image() = default;

void Image::resize(int width, int height) {
    if (width < 0 || height < 0) {
        return;
    }
    owned_.reset();
    pixels_ = nullptr;
    if (width > 0 && height > 0) {
        owned_ = std::shared_ptr<Pixel[]>(new Pixel[static_cast<std::size_t>(width) * height]);
        pixels_ = owned_.get();
    }
    width_ = width;
    height_ = height;
    clipX0_ = 0;
    clipY0_ = 0;
    clipX1_ = width;
    clipY1_ = height;
    fillRect(0, 0, 0, width, height);
}

void Image::adoptStorage(Pixel* pixels, int width, int height) {
    owned_.reset();
    pixels_ = pixels;
    width_ = width;
    height_ = height;
    clipX0_ = 0;
    clipY0_ = 0;
    clipX1_ = width;
    clipY1_ = height;
}

void Image::sharePixels(const Image& source) {
    if (source.owned_ == nullptr) {
        // Storage a subclass provides (a device's surface) is not the source's to share.
        resize(source.width_, source.height_);
        for (int y = 0; y < height_; ++y) {
            std::copy_n(source.row(y), width_, row(y));
        }
        return;
    }
    owned_ = source.owned_;
    pixels_ = source.pixels_;
    bottomUp_ = source.bottomUp_;
    width_ = source.width_;
    height_ = source.height_;
    clipX0_ = 0;
    clipY0_ = 0;
    clipX1_ = width_;
    clipY1_ = height_;
}

void Image::setClip(int x0, int y0, int x1, int y1) {
    if (x0 < 0 || x1 > width_ || y0 < 0 || y1 > height_) {
        return;
    }
    clipX0_ = x0;
    clipY0_ = y0;
    clipX1_ = x1;
    clipY1_ = y1;
}

void Image::fillRect(Pixel value, int x0, int y0, int x1, int y1) {
    const int left = std::max({x0, clipX0_, 0});
    const int top = std::max({y0, clipY0_, 0});
    const int right = std::min({x1, clipX1_, width_});
    const int bottom = std::min({y1, clipY1_, height_});
    if (left >= right || top >= bottom) {
        return;
    }
    for (int y = top; y < bottom; ++y) {
        std::fill_n(row(y) + left, right - left, value);
    }
}

void Image::drawTo(Image& target, int x, int y) const {
    // Wide arithmetic: a position far off the screen must not wrap around onto it.
    const long long ex = static_cast<long long>(x) + clipX1_ - clipX0_;
    const long long ey = static_cast<long long>(y) + clipY1_ - clipY0_;
    const int dx0 = std::max(x, target.clipX0_);
    const int dy0 = std::max(y, target.clipY0_);
    const int dx1 = static_cast<int>(std::min<long long>(ex, target.clipX1_));
    const int dy1 = static_cast<int>(std::min<long long>(ey, target.clipY1_));
    if (dx0 >= dx1 || dy0 >= dy1) {
        return;
    }
    // Both rectangles are clipped: every row below lies inside its image.
    const int sx = static_cast<int>(static_cast<long long>(dx0) - x + clipX0_);
    const int sy = static_cast<int>(static_cast<long long>(dy0) - y + clipY0_);
    for (int ty = dy0; ty < dy1; ++ty) {
        transferRow(target.row(ty) + dx0, row(sy + ty - dy0) + sx, dx1 - dx0);
    }
}

void Image::transferPixel(Pixel* destination, const Pixel* source) const {
    *destination = *source;
}

void Image::transferRow(Pixel* destination, const Pixel* source, int count) const {
    // Every pixel goes through transferPixel, left to right, so a subclass that overrides
    // only transferPixel (a key colour, a tint) is honoured by every blit.
    for (int i = 0; i < count; ++i) {
        transferPixel(destination + i, source + i);
    }
}

void KeyColorImage::transferPixel(Pixel* destination, const Pixel* source) const {
    if (*source != keyColor) {
        *destination = *source;
    }
}

void GrayImage::assignGray(const Image& source) {
    resize(source.width(), source.height());
    setClip(source.clipX0(), source.clipY0(), source.clipX1(), source.clipY1());
    for (int x = 0; x < width(); ++x) {
        for (int y = 0; y < height(); ++y) {
            const Pixel p = source.pixel(x, y);
            const Pixel g = (((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF)) / 3;
            setPixel(x, y, (g << 16) | (g << 8) | g);
        }
    }
}
