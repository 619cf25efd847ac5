#include "app/PresentedPicture.h"

#include <algorithm>
#include <cstring>

PresentedPicture::Rows PresentedPicture::update(const Image& picture) {
    const int width = picture.width();
    const int height = picture.height();
    const auto rowBytes = static_cast<std::size_t>(width) * sizeof(Pixel);
    if (picture.empty()) {
        // Nothing to show, and nothing to compare the next picture with.
        shown_.clear();
        known_ = false;
        return {};
    }
    if (!known_ || width != width_ || height != height_) {
        // Sized once; later frames reuse the buffer.
        shown_.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
        width_ = width;
        height_ = height;
        known_ = true;
        for (int y = 0; y < height; ++y) {
            std::memcpy(shown_.data() + static_cast<std::size_t>(y) * width, picture.row(y),
                        rowBytes);
        }
        return {0, height};
    }
    Rows changed{height, 0};
    for (int y = 0; y < height; ++y) {
        Pixel* shown = shown_.data() + static_cast<std::size_t>(y) * width;
        if (std::memcmp(shown, picture.row(y), rowBytes) != 0) {
            std::memcpy(shown, picture.row(y), rowBytes);
            changed.first = std::min(changed.first, y);
            changed.end = y + 1;
        }
    }
    return changed.empty() ? Rows{} : changed;
}
