#pragma once

#include <array>
#include <memory>

#include "gfx/Image.h"

// The pictures every window draws from, in the order they are loaded.
enum class WindowPart : int {
    BorderTopLeft,
    BorderTop,
    BorderTopRight,
    BorderLeft,
    BorderRight,
    BorderBottomLeft,
    BorderBottom,
    BorderBottomRight,
    HeartFrame,
    HpFull,
    HpEmpty,
    MpFull,
    MpEmpty,
    Cursor,
    Count
};

// The shared window image set: fourteen pictures loaded once from "image/..." relative to the
// working directory and released in the reverse order. The app owns the one instance; its
// constructor makes it reachable through instance() for every window, and its destructor
// withdraws it again (one instance at a time is expected). Without an instance windows draw their
// fills and text but no tiles. A file that cannot be read leaves its picture empty, which draws
// nothing.
class WindowImages {
public:
    WindowImages();
    ~WindowImages();
    WindowImages(const WindowImages&) = delete;
    WindowImages& operator=(const WindowImages&) = delete;

    // The live instance, or null.
    static WindowImages* instance() { return current_; }
    // Makes this set the one windows draw from (a reload reads a fresh set beside the old).
    void makeCurrent() { current_ = this; }

    const Image& image(WindowPart part) const { return *images_[index(part)]; }
    // Writable access, for tools and tests that paint the tiles instead of loading them.
    Image& editImage(WindowPart part) { return *images_[index(part)]; }

    // The file a picture is loaded from, e.g. "image/borderlt.png".
    static const char* fileName(WindowPart part);

private:
    static constexpr int kCount = static_cast<int>(WindowPart::Count);
    static int index(WindowPart part) { return static_cast<int>(part); }

    std::array<std::unique_ptr<Image>, kCount> images_;
    static WindowImages* current_;
};
