#include "app/RecordingKeySource.h"

#include <algorithm>

#include "app/InputState.h"

RecordingKeySource::RecordingKeySource(std::ostream& out, std::uint32_t seed,
                                       const StartPoint& start)
    : out_(out) {
    Replay::writeHeader(out_, seed, start);
    out_.flush();
}

void RecordingKeySource::beginFrame(const KeySource& source, InputState& input) {
    ++frame_;
    Replay::Entry entry;
    entry.frame = frame_;

    // Every code the poll may ask about, read once, so the answers cannot change mid-poll.
    Replay::KeySet down;
    for (int i = 0; i < ButtonCount; ++i) {
        for (int code : {input.keyCode[i], input.secondKeyCode[i]}) {
            if (code > 0 && static_cast<std::size_t>(code) < down.size() && source.isDown(code)) {
                down.set(static_cast<std::size_t>(code));
            }
        }
    }
    if (down != down_) {
        down_ = down;
        entry.kind = Replay::Kind::Keys;
        entry.keys = down;
        write(entry);
    }
    // The input state only knows that a notch came, not how many: one notch each way.
    entry.kind = Replay::Kind::Wheel;
    if (input.injectedPress[ButtonLeft]) {
        entry.x = 1;
        write(entry);
    }
    if (input.injectedPress[ButtonRight]) {
        entry.x = -1;
        write(entry);
    }
    if (input.mouseX != mouseX_ || input.mouseY != mouseY_) {
        mouseX_ = input.mouseX;
        mouseY_ = input.mouseY;
        // Positions far outside the picture say nothing more; keep them readable.
        entry.kind = Replay::Kind::Mouse;
        entry.x = std::clamp(mouseX_, -Replay::kMaxMouse, Replay::kMaxMouse);
        entry.y = std::clamp(mouseY_, -Replay::kMaxMouse, Replay::kMaxMouse);
        write(entry);
    }
}

bool RecordingKeySource::isDown(int virtualKey) const {
    return virtualKey > 0 && static_cast<std::size_t>(virtualKey) < down_.size() &&
           down_.test(static_cast<std::size_t>(virtualKey));
}

bool RecordingKeySource::finish() {
    if (!finished_) {
        finished_ = true;
        Replay::writeEnd(out_, frame_);
        out_.flush();
    }
    return static_cast<bool>(out_);
}

void RecordingKeySource::write(const Replay::Entry& entry) {
    Replay::writeEntry(out_, entry);
    // A line only when the input changes: cheap enough to keep the file whole after a crash.
    out_.flush();
}
