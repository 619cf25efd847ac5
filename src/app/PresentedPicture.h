#pragma once

#include <vector>

#include "gfx/Image.h"

// The picture the window shows, as it was last presented. A shell hands it each finished
// picture and sends the window only the rows it reports: those that differ from what the
// window already has, or none at all when nothing changed (an idle screen then costs one
// compare a frame instead of a copy and a repaint). Core code: no platform calls.
class PresentedPicture {
public:
    // Rows first to end - 1 of the picture; empty when first >= end.
    struct Rows {
        int first = 0;
        int end = 0;
        bool empty() const { return first >= end; }
    };

    // Takes picture as the one the window now shows and returns the rows from the first to the
    // last that differ from the previous one. Every row the first time, after forget() and
    // when the size changed; none when the picture is the same.
    Rows update(const Image& picture);
    // The window's copy can no longer be trusted (a copy into it failed): the next update
    // reports every row.
    void forget() { known_ = false; }

private:
    std::vector<Pixel> shown_;  // picture rows top to bottom, width pixels each
    int width_ = 0;
    int height_ = 0;
    bool known_ = false;
};
