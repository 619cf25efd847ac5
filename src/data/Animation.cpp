#include "data/Animation.h"

Animation::ResetPass::ResetPass() {
    if (openPasses_++ == 0) {
        ++currentPass_;
    }
}

Animation::ResetPass::~ResetPass() {
    --openPasses_;
}

void Animation::resetShown(Animation& item) {
    if (item.resetPass_ == currentPass_) {
        return;
    }
    item.resetPass_ = currentPass_;
    item.reset();
}
