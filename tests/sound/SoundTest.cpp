#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "sound/Sound.h"
#include "sound/WavFixture.h"

namespace {

std::vector<std::int16_t> samplesOf(const Sound& sound) {
    const std::int16_t* p = sound.samples();
    return p ? std::vector<std::int16_t>(p, p + sound.frames() * sound.channels())
             : std::vector<std::int16_t>{};
}

}  // namespace

TEST(Sound, LoadsSixteenBitSamplesThroughGamePath) {
    const std::vector<std::int16_t> music = {1, -1, 32767, -32768, 1234, -4321};
    std::string name = writeFixture("music.wav", wavBytes({}, pcm16(music)));
    // The game names its music with a backslash.
    std::replace(name.begin(), name.end(), '/', '\\');
    Sound sound(name);
    EXPECT_EQ(sound.frames(), 3);
    EXPECT_EQ(sound.sampleRate(), 22050);
    EXPECT_EQ(samplesOf(sound), music);

    // Sample sizes other than 8 and 16 bits give silence of the file's length.
    Sound deep(writeFixture("deep.wav", wavBytes({.bits = 24}, std::string(12, '\x55'))));
    EXPECT_EQ(samplesOf(deep), std::vector<std::int16_t>(4, 0));
}

TEST(Sound, ConvertsEightBitSamples) {
    const std::string data = {'\x00', '\x01', '\x7F', '\x80', '\xFF'};
    Sound sound(writeFixture("eight.wav", wavBytes({.channels = 1, .bits = 8}, data)));
    EXPECT_EQ(samplesOf(sound), (std::vector<std::int16_t>{-32768, -32639, -257, 0, 32639}));
}

TEST(Sound, RefusesFilesItCannotPlay) {
    const std::string data = pcm16({1, 2, 3, 4});
    const std::pair<const char*, std::string> cases[] = {
        {"18-byte format chunk", wavBytes({.formatBytes = 18}, data)},
        {"chunk before the data", wavBytes({.listChunk = true}, data)},
        {"not PCM", wavBytes({.tag = 3}, data)},
        {"no channels", wavBytes({.channels = 0}, data)},
        {"nine channels", wavBytes({.channels = 9}, data)},
        {"zero bits", wavBytes({.bits = 0}, data)},
        {"not RIFF", "RIFX" + wavBytes({}, data).substr(4)},
        {"cut in the header", wavBytes({}, data).substr(0, 30)},
    };
    for (const auto& [what, bytes] : cases) {
        Sound sound;
        sound.resize(10, 2);
        EXPECT_FALSE(sound.loadWav(writeFixture("bad.wav", bytes))) << what;
        EXPECT_EQ(sound.samples(), nullptr) << what;
        EXPECT_EQ(sound.frames(), 0) << what;
    }
    Sound missing(fixturePath("missing.wav"));
    EXPECT_EQ(missing.frames(), 0);
}

TEST(Sound, NeverTakesMoreThanTheFileHoldsOrTheLimit) {
    // The stated length runs far past the end of the file; a stray odd byte is no frame.
    const std::vector<std::int16_t> music = {10, 20, 30, 40};
    const WavFormat huge{.statedDataBytes = 0xFFFFFFFF};
    Sound cut(writeFixture("cut.wav", wavBytes(huge, pcm16(music) + "\x07")));
    EXPECT_EQ(samplesOf(cut), music);

    // One-bit samples: each byte of a small file says eight frames.
    const WavFormat tiny{.channels = 1, .bits = 1};
    const auto bytes = static_cast<std::size_t>(Sound::kMaxFrames / 8);
    Sound sound;
    EXPECT_TRUE(sound.loadWav(writeFixture("limit.wav", wavBytes(tiny, std::string(bytes, 0)))));
    EXPECT_EQ(sound.frames(), Sound::kMaxFrames);
    EXPECT_FALSE(
        sound.loadWav(writeFixture("over.wav", wavBytes(tiny, std::string(bytes + 1, 0)))));
    EXPECT_EQ(sound.samples(), nullptr);
    std::remove(fixturePath("limit.wav").c_str());
    std::remove(fixturePath("over.wav").c_str());
}

TEST(Sound, MixIntoScalesAddsAndSaturates) {
    Sound source;
    source.resize(3, 2);
    const std::int16_t values[] = {32767, -32768, 255, -255, 100, -100};
    std::copy(std::begin(values), std::end(values), source.samples());
    Sound target;
    target.resize(4, 2);
    std::fill_n(target.samples(), 8, 20000);

    // Only two frames fit after destination frame 2.
    EXPECT_EQ(source.mixInto(target, 2, 0, 10, 128), 2);
    EXPECT_EQ(samplesOf(target), (std::vector<std::int16_t>{20000, 20000, 20000, 20000, 32767,
                                                            20000 - 16448, 20128, 20000 - 128}));
    // The source runs out first; bad starts and channel mismatches mix nothing.
    EXPECT_EQ(source.mixInto(target, 0, 2, 10, 255), 1);
    EXPECT_EQ(source.mixInto(target, -1, 0, 2, 255), 0);
    EXPECT_EQ(source.mixInto(target, 0, 4, 2, 255), 0);
    Sound mono;
    mono.resize(4, 1);
    EXPECT_EQ(source.mixInto(mono, 0, 0, 2, 255), 0);
}
