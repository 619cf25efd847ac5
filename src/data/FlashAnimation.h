#pragma once

#include "data/Animation.h"

// Blinks its content after a reset: hidden, hidden, shown, shown, hidden, hidden, shown,
// shown over the first eight updates, then shown for good. Never updated, it stays hidden.
class FlashAnimation : public Animation {
public:
    FlashAnimation() { reset(); }

    void drawTo(Image& target, int x, int y) const override;
    void update() override;
    void reset() override;

    int counter() const { return counter_; }

    Drawable* content = nullptr;  // not owned; may be null

private:
    int counter_ = 0;
};
