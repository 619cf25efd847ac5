#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "gfx/Drawable.h"

// Pixel value 0xAARRGGBB: blue in the lowest byte. The top byte is carried along but never
// blended; only key-colour images compare it.
using Pixel = std::uint32_t;

// A rectangle of 32-bit pixels with a clip rectangle. Rows are stored bottom-up: picture
// row y (0 = top) lives at storage row height - 1 - y. The clip rectangle always lies inside
// the image, so drawing needs no per-pixel bounds test.
class Image : public Drawable {
public:
    Image();
    // Loads the file with loadImageFile; a failed load leaves the image empty.
    explicit Image(const std::string& fileName);
    ~Image() override;
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    // Negative sizes change nothing; otherwise the image gets new zeroed pixels and a clip
    // rectangle covering all of it.
    virtual void resize(int width, int height);
    // Shows the source's picture without copying it: both images read the same pixels, and the
    // clip rectangle covers all of it. Sharing is invisible: the first write to either image (a
    // fill, a blit into it, setPixel, the writable row or data, a resize) gives that image
    // pixels of its own, so each behaves as if it had read the picture by itself.
    void sharePixels(const Image& source);
    // Takes the rectangle only if it lies inside the image; otherwise keeps the old one.
    void setClip(int x0, int y0, int x1, int y1);
    // Fills the pixels inside both the rectangle (x1, y1 exclusive) and the clip rectangle.
    void fillRect(Pixel value, int x0, int y0, int x1, int y1);

    // The blit: the source's clip rectangle lands with its top-left corner at (x, y), limited
    // by the target's clip rectangle.
    void drawTo(Image& target, int x, int y) const override;
    // Moves one source pixel onto the destination during a blit.
    virtual void transferPixel(Pixel* destination, const Pixel* source) const;

    int width() const { return width_; }
    int height() const { return height_; }
    int clipX0() const { return clipX0_; }
    int clipY0() const { return clipY0_; }
    int clipX1() const { return clipX1_; }
    int clipY1() const { return clipY1_; }
    bool bottomUp() const { return bottomUp_; }
    bool empty() const { return pixels_ == nullptr; }

    // Picture-coordinate access; the caller keeps (x, y) inside the image.
    Pixel pixel(int x, int y) const { return pixels_[index(x, y)]; }
    void setPixel(int x, int y, Pixel value) {
        ownPixels();
        pixels_[index(x, y)] = value;
    }
    // Start of picture row y (width pixels, left to right). The writable forms unshare first.
    Pixel* row(int y) {
        ownPixels();
        return pixels_ + index(0, y);
    }
    const Pixel* row(int y) const { return pixels_ + index(0, y); }
    // Storage order, row 0 first (the bottom row of the picture for bottom-up images).
    Pixel* data() {
        ownPixels();
        return pixels_;
    }
    const Pixel* data() const { return pixels_; }
    // True when the two images read or write any pixel in common (an image and itself, or two
    // images sharing one picture).
    bool sharesStorageWith(const Image& other) const;

protected:
    // How a blit moves this image's rows. transferPixel is the rule; the kinds the game ships
    // name a row loop with exactly its result (a straight copy, or a copy that skips the key
    // colour) so that a blit picks its loop once instead of calling transferPixel per pixel.
    // Everything else, a class that only overrides transferPixel included, gets PerPixel.
    struct RowRule {
        enum class Kind { PerPixel, Copy, SkipKey };
        Kind kind = Kind::PerPixel;
        Pixel key = 0;  // SkipKey: the pixel value that is not drawn
    };
    virtual RowRule rowRule() const;
    // Storage that a subclass provides instead of the image's own (it must hold w * h words).
    void adoptStorage(Pixel* pixels, int width, int height);

private:
    int index(int x, int y) const { return (bottomUp_ ? height_ - 1 - y : y) * width_ + x; }
    // Before any write: pixels shared with another image are copied, so the write stays here.
    void ownPixels() {
        if (owned_ != nullptr && owned_.use_count() > 1) {
            copyPixels();
        }
    }
    void copyPixels();
    // Moves count pixels of one row with transferPixel, left to right.
    void transferRowByPixel(Pixel* destination, const Pixel* source, int count) const;

    std::shared_ptr<Pixel[]> owned_;  // null for storage a subclass provides
    Pixel* pixels_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    int clipX0_ = 0;
    int clipY0_ = 0;
    int clipX1_ = 0;
    int clipY1_ = 0;
    bool bottomUp_ = true;
};

// An image that skips pixels equal to its key colour when drawn.
class KeyColorImage : public Image {
public:
    KeyColorImage() = default;
    // Loads the file; the key colour is 0, so pixels whose four bytes are all zero are holes.
    explicit KeyColorImage(const std::string& fileName) : Image(fileName) {}

    void transferPixel(Pixel* destination, const Pixel* source) const override;
    Pixel keyColor = 0;

protected:
    RowRule rowRule() const override;
};

// An image filled with a gray copy of another (used for the faces of fallen fighters).
class GrayImage : public Image {
public:
    // Resizes to the source, takes its clip rectangle and stores (r + g + b) / 3 in every
    // colour byte, with top byte 0.
    void assignGray(const Image& source);

protected:
    RowRule rowRule() const override;
};
