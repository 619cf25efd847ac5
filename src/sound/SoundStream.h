#pragma once

#include <cstdint>

class SoundManager;

// The mixer's five buffers read in order as one endless stream of 16-bit stereo frames, for
// an audio output whose device asks for chunks of any size. Each buffer is refilled as soon
// as it has been read to its end, so the first five buffers (250 ms) come out as they were
// when reading began: silent after start-up. The caller holds the output's lock around read.
class SoundStream {
public:
    // Starts again at frame 0 of buffer 0 of the given manager (null: the stream is silent).
    void attach(SoundManager* manager);
    // Writes frames stereo frames (2 values each) to out. Never allocates.
    void read(std::int16_t* out, int frames);

private:
    SoundManager* manager_ = nullptr;
    int buffer_ = 0;
    int frame_ = 0;
};
