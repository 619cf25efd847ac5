#include "data/FlashAnimation.h"

void FlashAnimation::drawTo(Image& target, int x, int y) const {
    if (content != nullptr && (counter_ > 7 || (counter_ / 2) % 2 == 1)) {
        content->drawTo(target, x, y);
    }
}

void FlashAnimation::update() {
    if (counter_ < 8) {
        ++counter_;
    }
}

void FlashAnimation::reset() {
    counter_ = 0;
}
