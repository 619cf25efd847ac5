#include "data/SerialAnimation.h"

#include "gfx/Image.h"

SerialAnimation::SerialAnimation(int loop) : loop(loop) {}

void SerialAnimation::addAnimation(Animation* animation, int frames, bool restartOnEntry) {
    append(Step{animation, frames, true, restartOnEntry});
}

void SerialAnimation::addImage(Image* image, int frames) {
    append(Step{image, frames, false, false});
}

void SerialAnimation::append(const Step& step) {
    steps_.push_back(step);
    last_ = steps_.size() - 1;
    reset();
}

void SerialAnimation::drawTo(Image& target, int x, int y) const {
    if (current_ < steps_.size() && steps_[current_].item != nullptr) {
        steps_[current_].item->drawTo(target, x, y);
    }
}

bool SerialAnimation::isFinished() const {
    return loop > 0 && passesDone_ >= loop;
}

void SerialAnimation::reset() {
    const ResetPass pass;
    counter_ = 0;
    current_ = 0;
    passesDone_ = 0;
    for (const Step& step : steps_) {
        if (step.item != nullptr && step.isAnimation && step.restartOnEntry) {
            resetShown(*static_cast<Animation*>(step.item));
        }
    }
}

void SerialAnimation::update() {
    if (current_ >= steps_.size()) {
        return;
    }
    const Step& step = steps_[current_];
    // The final pass holds the last frame of the last step. Wide arithmetic: loop and frames
    // come from the data file and may be any int.
    if (passesDone_ == static_cast<long long>(loop) - 1 && current_ == last_ &&
        counter_ == static_cast<long long>(step.frames) - 1) {
        return;
    }
    if (step.item != nullptr && step.isAnimation) {
        static_cast<Animation*>(step.item)->update();
    }
    ++counter_;
    if (counter_ < step.frames) {
        return;
    }
    counter_ = 0;
    ++current_;
    if (current_ == steps_.size()) {
        current_ = 0;
        if (passesDone_ < loop) {
            ++passesDone_;
        }
    }
    enterCurrent();
}

void SerialAnimation::enterCurrent() {
    const Step& step = steps_[current_];
    if (step.item != nullptr && step.isAnimation && step.restartOnEntry) {
        static_cast<Animation*>(step.item)->reset();
    }
}
