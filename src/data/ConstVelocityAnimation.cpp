#include "data/ConstVelocityAnimation.h"

ConstVelocityAnimation::ConstVelocityAnimation(Drawable* content, int initX, int initY,
                                               int velocityX, int velocityY, int length)
    : StillAnimation(content, initX, initY),
      initX(initX),
      initY(initY),
      velocityX(velocityX),
      velocityY(velocityY),
      length(length) {
    reset();
}

bool ConstVelocityAnimation::isFinished() const {
    return length <= 0 || counter >= length;
}

void ConstVelocityAnimation::update() {
    StillAnimation::update();
    if (length > 0 && counter >= length) {
        return;
    }
    // Unsigned arithmetic wraps instead of overflowing when an endless move runs long.
    x = static_cast<int>(static_cast<unsigned>(x) + static_cast<unsigned>(velocityX));
    y = static_cast<int>(static_cast<unsigned>(y) + static_cast<unsigned>(velocityY));
    if (length > 0) {
        ++counter;
    }
}

void ConstVelocityAnimation::reset() {
    StillAnimation::reset();
    x = initX;
    y = initY;
    counter = 0;
}
