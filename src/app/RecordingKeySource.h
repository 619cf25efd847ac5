#pragma once

#include <cstdint>
#include <ostream>

#include "app/Replay.h"
#include "platform/KeySource.h"

class InputState;

// Passes a key source on to the game and writes what the game saw as a replay. Before each
// frame's poll the shell calls beginFrame: it reads every key the input state asks about from
// the source once and answers the poll from that reading, so the replay holds exactly what
// the poll saw. Wheel notches and pointer moves waiting in the input state for
// this poll are written too. Lines go out as they happen, so a session cut short keeps what
// it recorded.
class RecordingKeySource : public KeySource {
public:
    // Writes the header (seed and start point) at once. out must outlive the recorder.
    RecordingKeySource(std::ostream& out, std::uint32_t seed, const StartPoint& start = {});

    void beginFrame(const KeySource& source, InputState& input);
    bool isDown(int virtualKey) const override;
    // Writes the end line (the number of frames recorded) and flushes. False when the output
    // failed at any point.
    bool finish();
    int frames() const { return frame_; }

private:
    void write(const Replay::Entry& entry);

    std::ostream& out_;
    int frame_ = 0;
    Replay::KeySet down_;
    int mouseX_ = 0;
    int mouseY_ = 0;
    bool finished_ = false;
};
