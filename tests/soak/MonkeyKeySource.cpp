#include "soak/MonkeyKeySource.h"

namespace {

constexpr int kDecide = 0x20;
constexpr int kCancel = 0x10;
constexpr int kArrows[4] = {0x26, 0x28, 0x25, 0x27};

}  // namespace

void MonkeyKeySource::step() {
    if (held_ != 0) {
        if (--holdFrames_ > 0) {
            return;
        }
        held_ = 0;
        pauseFrames_ = below(4);
        return;
    }
    if (pauseFrames_ > 0) {
        --pauseFrames_;
        return;
    }
    held_ = pick();
    holdFrames_ = 1 + below(2);
}

int MonkeyKeySource::pick() {
    const int roll = below(100);
    if (roll < 70) {
        return kDecide;
    }
    if (roll < 95) {
        return kArrows[below(4)];
    }
    return kCancel;
}
