#include "app/ReplayKeySource.h"

#include "app/InputState.h"

void ReplayKeySource::beginFrame(int frame, InputState& input) {
    for (; next_ < replay_.entries.size() && replay_.entries[next_].frame <= frame; ++next_) {
        const Replay::Entry& entry = replay_.entries[next_];
        switch (entry.kind) {
            case Replay::Kind::Keys:
                down_ = entry.keys;
                break;
            case Replay::Kind::Wheel:
                // A notch meant for a frame that was skipped is stale.
                if (entry.frame == frame) {
                    input.wheel(entry.x);
                }
                break;
            case Replay::Kind::Mouse:
                input.setMousePosition(entry.x, entry.y);
                break;
        }
    }
}

bool ReplayKeySource::isDown(int virtualKey) const {
    return virtualKey > 0 && static_cast<std::size_t>(virtualKey) < down_.size() &&
           down_.test(static_cast<std::size_t>(virtualKey));
}
