#pragma once

#include <cstdint>
#include <vector>

#include "Score.h"

// Plays a score into interleaved stereo samples. The piece is treated as a ring: whatever
// rings on past the last frame (releases, echoes) is added to the first frames, so the
// music loops without a seam.
class Synth {
public:
    explicit Synth(int sampleRate) : sampleRate_(sampleRate) {}

    // Left and right 16-bit values per frame, each channel centred on zero, levelled to a
    // set loudness with the loudest peak clear of the limit.
    std::vector<std::int16_t> render(const Score& score) const;

private:
    void playNote(const Score& score, const ScoreNote& note, double startFrame, double gain,
                  double pan, std::vector<float>& mix) const;
    double oscillator(const ScoreVoice& voice, double& phase, double frequency, double t,
                      std::uint32_t& noise) const;

    int sampleRate_;
};
