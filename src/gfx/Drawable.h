#pragma once

class Image;

// Anything that can be drawn onto an image at a position: images and animations.
class Drawable {
public:
    virtual ~Drawable() = default;
    virtual void drawTo(Image& target, int x, int y) const { (void)target, (void)x, (void)y; }
};
