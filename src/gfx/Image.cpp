#include "gfx/Image.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <typeinfo>

#include "gfx/ImageFile.h"
#include "gfx/PixelRows.h"

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

void Image::copyPixels() {
    const std::size_t count = static_cast<std::size_t>(width_) * height_;
    std::shared_ptr<Pixel[]> own(new Pixel[count]);
    std::copy_n(pixels_, count, own.get());
    owned_ = std::move(own);
    pixels_ = owned_.get();
}

bool Image::sharesStorageWith(const Image& other) const {
    if (pixels_ == nullptr || other.pixels_ == nullptr) {
        return false;
    }
    // Addresses as numbers: comparing pointers into different blocks is not defined.
    const auto begin = reinterpret_cast<std::uintptr_t>(pixels_);
    const auto end = begin + static_cast<std::uintptr_t>(width_) * height_ * sizeof(Pixel);
    const auto otherBegin = reinterpret_cast<std::uintptr_t>(other.pixels_);
    const auto otherEnd =
        otherBegin + static_cast<std::uintptr_t>(other.width_) * other.height_ * sizeof(Pixel);
    return begin < otherEnd && otherBegin < end;
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
    ownPixels();
    if (left == 0 && right == width_) {
        // Whole rows lie next to each other in storage, in either row order: one block.
        const int firstStored = bottomUp_ ? height_ - bottom : top;
        PixelRows::fill(pixels_ + static_cast<std::size_t>(firstStored) * width_,
                        static_cast<std::size_t>(bottom - top) * width_, value);
        return;
    }
    for (int y = top; y < bottom; ++y) {
        PixelRows::fill(row(y) + left, static_cast<std::size_t>(right - left), value);
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
    const int count = dx1 - dx0;
    const auto length = static_cast<std::size_t>(count);
    target.ownPixels();
    // Row offsets into each image's storage step by a whole row, down or up as each image's
    // order says; only offsets of rows inside the images are ever turned into addresses.
    Pixel* const toPixels = target.pixels_;
    const Pixel* const fromPixels = pixels_;
    std::ptrdiff_t toRow = target.index(dx0, dy0);
    std::ptrdiff_t fromRow = index(sx, sy);
    const std::ptrdiff_t toStep = target.bottomUp_ ? -target.width_ : target.width_;
    const std::ptrdiff_t fromStep = bottomUp_ ? -width_ : width_;
    const int rows = dy1 - dy0;
    // An image drawn onto its own pixels may overlap itself: only the pixel rule, left to right
    // and top to bottom, says what that gives. (A target that shared the source's picture has
    // pixels of its own by now; storage a subclass provides may still overlap.)
    const RowRule rule = sharesStorageWith(target) ? RowRule{} : rowRule();
    switch (rule.kind) {
        case RowRule::Kind::Copy:
            if (length > PixelRows::kShortRun) {
                for (int r = 0; r < rows; ++r, toRow += toStep, fromRow += fromStep) {
                    PixelRows::copyLong(toPixels + toRow, fromPixels + fromRow, length);
                }
            } else {
                for (int r = 0; r < rows; ++r, toRow += toStep, fromRow += fromStep) {
                    PixelRows::copyShort(toPixels + toRow, fromPixels + fromRow, length);
                }
            }
            break;
        case RowRule::Kind::SkipKey:
            for (int r = 0; r < rows; ++r, toRow += toStep, fromRow += fromStep) {
                PixelRows::copySkippingKey(toPixels + toRow, fromPixels + fromRow, length,
                                           rule.key);
            }
            break;
        case RowRule::Kind::PerPixel:
            for (int r = 0; r < rows; ++r, toRow += toStep, fromRow += fromStep) {
                transferRowByPixel(toPixels + toRow, fromPixels + fromRow, count);
            }
            break;
    }
}

void Image::transferPixel(Pixel* destination, const Pixel* source) const {
    *destination = *source;
}

Image::RowRule Image::rowRule() const {
    // Only an image of exactly this class keeps this transferPixel.
    return {typeid(*this) == typeid(Image) ? RowRule::Kind::Copy : RowRule::Kind::PerPixel, 0};
}

void Image::transferRowByPixel(Pixel* destination, const Pixel* source, int count) const {
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

Image::RowRule KeyColorImage::rowRule() const {
    if (typeid(*this) != typeid(KeyColorImage)) {
        return {};
    }
    return {RowRule::Kind::SkipKey, keyColor};
}

Image::RowRule GrayImage::rowRule() const {
    return {typeid(*this) == typeid(GrayImage) ? RowRule::Kind::Copy : RowRule::Kind::PerPixel, 0};
}

void GrayImage::assignGray(const Image& source) {
    resize(source.width(), source.height());
    setClip(source.clipX0(), source.clipY0(), source.clipX1(), source.clipY1());
    // Each pixel depends on its source pixel alone, so rows in storage order give the same
    // picture as any other order. A resize that kept another size only covers the overlap.
    const int columns = std::min(width(), source.width());
    const int rows = std::min(height(), source.height());
    for (int y = 0; y < rows; ++y) {
        const Pixel* from = source.row(y);
        Pixel* to = row(y);
        for (int x = 0; x < columns; ++x) {
            const Pixel p = from[x];
            const Pixel g = (((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF)) / 3;
            to[x] = (g << 16) | (g << 8) | g;
        }
    }
}
