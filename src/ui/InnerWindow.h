#pragma once

#include "gfx/Image.h"

class DIBImage;
class WindowImages;

// A framed panel: a rectangle in framebuffer pixels (right and bottom exclusive) whose edge is
// tiled from the eight 8 x 8 border pictures of the window image set and whose interior is
// filled with backColor. The margins place a subclass's content; the frame ignores them.
// Windows never own what they show.
class InnerWindow {
public:
    InnerWindow(int left, int top, int right, int bottom, int marginLeft, int marginTop,
                int marginRight, int marginBottom, Pixel backColor);
    virtual ~InnerWindow() = default;

    // Draws the frame, then fills the interior; a hidden window draws nothing.
    virtual void draw(DIBImage& target);

    int left;
    int top;
    int right;
    int bottom;
    int marginLeft;
    int marginTop;
    int marginRight;
    int marginBottom;
    Pixel backColor;
    bool visible = true;

protected:
    // The shared image set, or null when none exists (then no tiles are drawn).
    static const WindowImages* images();
    // The frame and interior without the visibility test.
    void drawFrame(Image& target) const;
};
