#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes 16-bit PCM in the plainest WAV layout: RIFF, WAVE, a 16-byte "fmt " chunk and the
// "data" chunk, nothing else.
bool writeWav(const std::string& fileName, const std::vector<std::int16_t>& samples, int channels,
              int sampleRate);
