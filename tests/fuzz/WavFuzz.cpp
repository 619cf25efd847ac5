// Fuzz target: the WAV reader over bytes in memory; an accepted sound is also mixed once.
#include <algorithm>

#include "fuzz/FuzzTarget.h"
#include "sound/Sound.h"

bool fuzzLoad(const std::uint8_t* data, std::size_t size) {
    Sound sound;
    if (!sound.loadWavFromMemory(data, size)) {
        return false;
    }
    Sound mix;
    mix.resize(800, sound.channels());
    sound.mixInto(mix, 0, 0, 800, 128);
    return true;
}

bool sameAsFileLoad(const char* path, const std::uint8_t* data, std::size_t size) {
    Sound fromFile;
    Sound fromMemory;
    if (fromFile.loadWav(path) != fromMemory.loadWavFromMemory(data, size)) {
        return false;
    }
    const std::size_t values =
        static_cast<std::size_t>(fromFile.frames()) * static_cast<std::size_t>(fromFile.channels());
    return fromFile.frames() == fromMemory.frames() &&
           fromFile.channels() == fromMemory.channels() &&
           fromFile.sampleRate() == fromMemory.sampleRate() &&
           std::equal(fromFile.samples(), fromFile.samples() + values, fromMemory.samples());
}
