#pragma once

#include <cstddef>
#include <vector>

#include "platform/KeySource.h"

class InputState;

// One change of the input at the start of a frame: from this frame on exactly these keys and
// buttons (virtual-key codes) are down, and the wheel turns `wheel` notches in this frame
// (positive forward, negative backward, 0 none).
struct InputStep {
    int frame = 0;
    std::vector<int> keysDown;
    int wheel = 0;
};

// Input for runs without a window: a list of steps ordered by frame, written by a test or read
// from a recorded session. Before each frame the runner calls beginFrame, which makes the
// steps of that frame current and turns their wheel notches into the input state.
class ScriptedKeySource : public KeySource {
public:
    explicit ScriptedKeySource(std::vector<InputStep> steps = {});

    // Frames must be visited in increasing order.
    void beginFrame(int frame, InputState& input);
    bool isDown(int virtualKey) const override;

private:
    std::vector<InputStep> steps_;
    std::size_t next_ = 0;
    const std::vector<int>* current_ = nullptr;
};
