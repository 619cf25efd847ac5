#include "ui/AnimationWindow.h"

#include "data/Animation.h"
#include "gfx/DIBImage.h"

void AnimationWindow::draw(DIBImage& target) {
    if (!visible) {
        return;
    }
    drawContent(target);
}

void AnimationWindow::drawContent(Image& target) {
    target.fillRect(backColor, left, top, right, bottom);
    if (animation == nullptr) {
        return;
    }
    const int clipX0 = target.clipX0();
    const int clipY0 = target.clipY0();
    const int clipX1 = target.clipX1();
    const int clipY1 = target.clipY1();
    // Taken only when the window lies inside the target; otherwise the old clip stays.
    target.setClip(left, top, right, bottom);
    animation->drawTo(target, left, top);
    if (animate) {
        if (auto* moving = dynamic_cast<Animation*>(animation)) {
            moving->update();
        }
    }
    target.setClip(clipX0, clipY0, clipX1, clipY1);
}
