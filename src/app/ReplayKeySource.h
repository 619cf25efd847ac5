#pragma once

#include <cstddef>

#include "app/Replay.h"
#include "platform/KeySource.h"

class InputState;

// Plays a replay back in place of the live keyboard and mouse. Before each frame the shell
// calls beginFrame with the frame's number (from 1, increasing); it makes that frame's keys
// current and hands its wheel notches and pointer moves to the input state, exactly where the
// live shell would have put them.
class ReplayKeySource : public KeySource {
public:
    // The replay must outlive this source.
    explicit ReplayKeySource(const Replay& replay) : replay_(replay) {}

    void beginFrame(int frame, InputState& input);
    bool isDown(int virtualKey) const override;
    // Every statement has been played.
    bool finished() const { return next_ >= replay_.entries.size(); }

private:
    const Replay& replay_;
    std::size_t next_ = 0;
    Replay::KeySet down_;
};
