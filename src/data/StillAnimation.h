#pragma once

#include "data/Animation.h"

// Shows one content item (an image or another animation) at a fixed offset. When the content
// is an animation, update and reset are passed on to it; an image is only drawn.
class StillAnimation : public Animation {
public:
    explicit StillAnimation(Drawable* content = nullptr, int x = 0, int y = 0);

    void drawTo(Image& target, int x, int y) const override;
    void update() override;
    void reset() override;

    Drawable* content = nullptr;  // not owned; may be null
    bool contentIsAnimation = false;
    int x = 0;
    int y = 0;
};
