#include "platform/headless/ScriptedKeySource.h"

#include <algorithm>

#include "app/InputState.h"

ScriptedKeySource::ScriptedKeySource(std::vector<InputStep> steps) : steps_(std::move(steps)) {
    std::stable_sort(steps_.begin(), steps_.end(),
                     [](const InputStep& a, const InputStep& b) { return a.frame < b.frame; });
}

void ScriptedKeySource::beginFrame(int frame, InputState& input) {
    for (; next_ < steps_.size() && steps_[next_].frame <= frame; ++next_) {
        const InputStep& step = steps_[next_];
        current_ = &step.keysDown;
        // Notches of a frame already passed are stale; only this frame's count.
        if (step.frame == frame && step.wheel != 0) {
            input.wheel(step.wheel);
        }
    }
}

bool ScriptedKeySource::isDown(int virtualKey) const {
    return virtualKey != 0 && current_ != nullptr &&
           std::find(current_->begin(), current_->end(), virtualKey) != current_->end();
}
