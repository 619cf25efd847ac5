#pragma once

#include <cstdint>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

#include "app/RecordingKeySource.h"
#include "app/Replay.h"
#include "app/ReplayKeySource.h"

class InputState;
class KeySource;

// The input of one session as the command line asks for it: the live keys, or a replay played
// in their place (--input), and either of them written to a replay file (--record). Every
// shell drives it the same way: open, then beginFrame before each frame, finish at the end.
class SessionInput {
public:
    SessionInput();
    ~SessionInput();
    SessionInput(const SessionInput&) = delete;
    SessionInput& operator=(const SessionInput&) = delete;

    // Reads the replay at inputPath and opens recordPath for writing (either may be empty).
    // The seed is the given one, else the replay's, else fallbackSeed; the start point the
    // given one when chosen, else the replay's. False with a message.
    bool open(const std::string& inputPath, const std::string& recordPath,
              std::optional<std::uint32_t> givenSeed, std::uint32_t fallbackSeed,
              std::string& error, const StartPoint& givenStart = {});

    std::uint32_t seed() const { return seed_; }
    // Where the session begins (--ground, --hero, or the replay's header).
    const StartPoint& start() const { return start_; }
    // A replay takes the place of the live keys and pointer.
    bool replaying() const { return replayKeys_ != nullptr; }
    // Frames the replay needs (0 without one).
    int replayLength() const { return replaying() ? replay_.length() : 0; }

    // Counts the frame and returns the keys the game polls in it.
    const KeySource& beginFrame(const KeySource& live, InputState& input);
    int frames() const { return frames_; }

    // Ends the recording. False with a message when it could not be written.
    bool finish(std::string& error);

private:
    std::uint32_t seed_ = 1;
    StartPoint start_;
    int frames_ = 0;
    Replay replay_;
    std::unique_ptr<ReplayKeySource> replayKeys_;
    std::string recordPath_;
    std::unique_ptr<std::ofstream> recordFile_;
    std::unique_ptr<RecordingKeySource> recorder_;
};
