#include "data/StillAnimation.h"

StillAnimation::StillAnimation(Drawable* content, int x, int y) : content(content), x(x), y(y) {}

void StillAnimation::drawTo(Image& target, int x, int y) const {
    if (content != nullptr) {
        content->drawTo(target, x + this->x, y + this->y);
    }
}

void StillAnimation::update() {
    if (content != nullptr && contentIsAnimation) {
        static_cast<Animation*>(content)->update();
    }
}

void StillAnimation::reset() {
    if (content != nullptr && contentIsAnimation) {
        static_cast<Animation*>(content)->reset();
    }
}
