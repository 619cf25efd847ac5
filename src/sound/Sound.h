#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>

// A block of signed 16-bit samples, interleaved by frame: the value of channel c of frame f
// is samples()[f * channels() + c]. Used both for loaded music and for the mixer's output
// buffers.
//
// loadWav reads RIFF/WAVE files holding exactly a 16-byte PCM "fmt " chunk followed by the
// "data" chunk, with 8-bit (unsigned) or 16-bit (signed, little-endian) samples. Other sample
// sizes up to kMaxBitsPerSample load as silence of the right length. The largest file
// accepted holds kMaxFrames frames of at most kMaxChannels channels (20 minutes of 16 kHz
// audio); a "data" size beyond the end of the file counts only the bytes the file holds.
class Sound {
public:
    static constexpr int kDefaultChannels = 2;
    static constexpr int kDefaultSampleRate = 16000;
    static constexpr int kMaxChannels = 8;
    static constexpr int kMaxBitsPerSample = 32;
    static constexpr int kMaxFrames = 16000 * 60 * 20;

    // No samples, 0 frames, 2 channels, 16000 frames per second.
    Sound();
    // Loads the file with loadWav; a missing or unreadable file leaves the sound empty.
    explicit Sound(const std::string& fileName);
    virtual ~Sound();
    Sound(const Sound&) = delete;
    Sound& operator=(const Sound&) = delete;

    // Releases the samples; when both values are positive, allocates frames x channels zeroed
    // samples, otherwise leaves 0 frames, 1 channel and no samples.
    void resize(int frames, int channels);
    // Sets every sample to 0 without reallocating.
    void clear();
    // Exchanges the contents (samples, length, format) of the two sounds.
    void swap(Sound& other) noexcept;
    // True when both hold the same samples in the same format.
    bool sameAs(const Sound& other) const;

    // Replaces the contents with the file's (the name goes through gamePath). On failure the
    // sound is left as a default-constructed one and false is returned.
    bool loadWav(const std::string& fileName);
    // The same reader over a whole file held in memory.
    bool loadWavFromMemory(const std::uint8_t* data, std::size_t size);

    // Adds count frames of this sound, from frame sourceStart, scaled by volume / 255, to the
    // destination from frame destinationStart, saturating at the 16-bit limits. Stops at the
    // end of either sound. Returns the number of frames mixed: 0 when the channel counts
    // differ or a start lies outside its sound.
    int mixInto(Sound& destination, int destinationStart, int sourceStart, int count,
                int volume) const;

    int frames() const { return frames_; }
    int channels() const { return channels_; }
    int sampleRate() const { return sampleRate_; }
    std::int16_t* samples() { return samples_.get(); }
    const std::int16_t* samples() const { return samples_.get(); }

private:
    // Reads the RIFF/WAVE stream from its start; fileSize bounds every length it states.
    bool readWav(std::istream& in, std::int64_t fileSize);

    std::unique_ptr<std::int16_t[]> samples_;
    int frames_ = 0;
    int channels_ = kDefaultChannels;
    int sampleRate_ = kDefaultSampleRate;
};
