#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "sound/Sound.h"
#include "sound/WavFixture.h"

namespace {

std::vector<std::int16_t> samplesOf(const Sound& sound) {
    const std::int16_t* p = sound.samples();
    return p ? std::vector<std::int16_t>(p, p + sound.frames() * sound.channels())
             : std::vector<std::int16_t>{};
}

void expectEmpty(const Sound& sound) {
    EXPECT_EQ(sound.frames(), 0);
    EXPECT_EQ(sound.samples(), nullptr);
}

}  // namespace

TEST(Sound, ResizeKeepsOnlyPositiveSizes) {
    Sound sound;
    EXPECT_EQ(sound.channels(), 2);
    EXPECT_EQ(sound.sampleRate(), 16000);
    sound.resize(3, 2);
    EXPECT_EQ(samplesOf(sound), std::vector<std::int16_t>(6, 0));
    sound.resize(0, 2);
    EXPECT_EQ(sound.channels(), 1);
    expectEmpty(sound);
}

TEST(Sound, LoadsSixteenBitSamplesAndRateThroughGamePath) {
    const std::vector<std::int16_t> music = {1, -1, 32767, -32768, 1234, -4321};
    WavFormat format;
    format.sampleRate = 22050;
    const std::string path = writeFixture("music.wav", wavBytes(format, pcm16(music)));
    // The game names its music with a backslash; the folder is the temp directory.
    std::string name = path;
    std::replace(name.begin(), name.end(), '/', '\\');

    Sound sound(name);
    EXPECT_EQ(sound.frames(), 3);
    EXPECT_EQ(sound.channels(), 2);
    EXPECT_EQ(sound.sampleRate(), 22050);
    EXPECT_EQ(samplesOf(sound), music);
}

TEST(Sound, ConvertsEightBitSamples) {
    WavFormat format;
    format.bits = 8;
    format.channels = 1;
    const std::string data = {'\x00', '\x01', '\x7F', '\x80', '\x81', '\xFF'};
    Sound sound(writeFixture("eight.wav", wavBytes(format, data)));
    EXPECT_EQ(sound.channels(), 1);
    EXPECT_EQ(samplesOf(sound), (std::vector<std::int16_t>{-32768, -32639, -257, 0, 257, 32639}));
}

TEST(Sound, OtherSampleSizesLoadAsSilenceOfTheirLength) {
    WavFormat format;
    format.bits = 24;
    // Two stereo frames of 24-bit samples.
    Sound sound(writeFixture("deep.wav", wavBytes(format, std::string(12, '\x55'))));
    EXPECT_EQ(samplesOf(sound), std::vector<std::int16_t>(4, 0));
}

TEST(Sound, RefusesFilesItCannotPlay) {
    struct Case {
        const char* what;
        WavFormat format;
        std::string bytes;  // replaces the whole file when not empty
    };
    const std::string data = pcm16({1, 2, 3, 4});
    std::vector<Case> cases;
    cases.push_back({"18-byte format chunk", {.formatBytes = 18}, ""});
    cases.push_back({"chunk before the data", {.listChunk = true}, ""});
    cases.push_back({"not PCM", {.tag = 3}, ""});
    cases.push_back({"no channels", {.channels = 0}, ""});
    cases.push_back({"nine channels", {.channels = 9}, ""});
    cases.push_back({"zero bits", {.bits = 0}, ""});
    cases.push_back({"64 bits", {.bits = 64}, ""});
    cases.push_back({"not RIFF", {}, "RIFX" + wavBytes({}, data).substr(4)});
    cases.push_back({"cut in the header", {}, wavBytes({}, data).substr(0, 30)});
    cases.push_back({"empty file", {}, std::string()});

    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        const bool replaced = !c.bytes.empty() || std::string(c.what) == "empty file";
        const std::string path = writeFixture("bad" + std::to_string(i) + ".wav",
                                              replaced ? c.bytes : wavBytes(c.format, data));
        Sound sound;
        sound.resize(10, 2);
        EXPECT_FALSE(sound.loadWav(path)) << c.what;
        expectEmpty(sound);
        EXPECT_EQ(sound.channels(), 2) << c.what;
    }

    Sound missing(fixturePath("missing.wav"));
    expectEmpty(missing);
}

TEST(Sound, DataLengthIsLimitedToWhatTheFileHolds) {
    WavFormat format;
    format.statedDataBytes = 0xFFFFFFFF;
    const std::vector<std::int16_t> music = {10, 20, 30, 40};
    // A stray odd byte at the end makes no extra frame.
    Sound sound(writeFixture("cut.wav", wavBytes(format, pcm16(music) + "\x07")));
    EXPECT_EQ(sound.frames(), 2);
    EXPECT_EQ(samplesOf(sound), music);

    Sound none(writeFixture("none.wav", wavBytes(format, "")));
    EXPECT_EQ(none.frames(), 0);
}

TEST(Sound, RefusesMoreFramesThanTheLimit) {
    // One-bit mono samples: each byte holds eight frames, so a small file says a lot.
    WavFormat format;
    format.channels = 1;
    format.bits = 1;
    const auto bytes = static_cast<std::size_t>(Sound::kMaxFrames / 8);
    Sound atLimit;
    EXPECT_TRUE(
        atLimit.loadWav(writeFixture("limit.wav", wavBytes(format, std::string(bytes, '\0')))));
    EXPECT_EQ(atLimit.frames(), Sound::kMaxFrames);
    atLimit.resize(0, 0);

    Sound over;
    EXPECT_FALSE(
        over.loadWav(writeFixture("over.wav", wavBytes(format, std::string(bytes + 1, '\0')))));
    expectEmpty(over);
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

    // Full level of two same-sign maxima clamps instead of wrapping.
    target.clear();
    EXPECT_EQ(source.mixInto(target, 0, 0, 1, 255), 1);
    EXPECT_EQ(source.mixInto(target, 0, 0, 1, 255), 1);
    EXPECT_EQ(target.samples()[0], 32767);
    EXPECT_EQ(target.samples()[1], -32768);

    // The source runs out first; bad starts and channel mismatches mix nothing.
    EXPECT_EQ(source.mixInto(target, 0, 2, 10, 255), 1);
    EXPECT_EQ(source.mixInto(target, -1, 0, 2, 255), 0);
    EXPECT_EQ(source.mixInto(target, 0, 4, 2, 255), 0);
    Sound mono;
    mono.resize(4, 1);
    EXPECT_EQ(source.mixInto(mono, 0, 0, 2, 255), 0);
}
