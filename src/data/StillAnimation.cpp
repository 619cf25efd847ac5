#include "data/StillAnimation.h"

#include <algorithm>

namespace {

// Position plus offset, kept far outside the screen but within a range where the blit's own
// arithmetic cannot overflow, whatever offsets the data file gives.
int offsetPosition(int position, int offset) {
    constexpr long long kFar = 1LL << 30;
    return static_cast<int>(std::clamp(static_cast<long long>(position) + offset, -kFar, kFar));
}

}  // namespace

StillAnimation::StillAnimation(Drawable* content, int x, int y) : content(content), x(x), y(y) {}

void StillAnimation::drawTo(Image& target, int x, int y) const {
    if (content != nullptr) {
        content->drawTo(target, offsetPosition(x, this->x), offsetPosition(y, this->y));
    }
}

void StillAnimation::update() {
    if (content != nullptr && contentIsAnimation) {
        static_cast<Animation*>(content)->update();
    }
}

void StillAnimation::reset() {
    const ResetPass pass;
    if (content != nullptr && contentIsAnimation) {
        resetShown(*static_cast<Animation*>(content));
    }
}
