#pragma once

class SoundManager;

// The audio device: 16000 Hz stereo signed 16-bit, fed by the sound manager's five 800-frame
// buffers. Each time the device has consumed a buffer it asks the manager to refill it.
class AudioOut {
public:
    virtual ~AudioOut() = default;
    // Starts the output; false when there is no device (the game then runs silently).
    virtual bool open(SoundManager& manager) = 0;
    // Stops the output; no refill runs after this returns.
    virtual void close() = 0;
    // Between lock and unlock no refill runs: guards the slots shared with the device thread.
    virtual void lock() = 0;
    virtual void unlock() = 0;
};
