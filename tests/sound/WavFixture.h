#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

// WAV files written by the tests, the header built field by field so that each test can
// break exactly one thing.
struct WavFormat {
    int tag = 1;
    int channels = 2;
    int bits = 16;
    int formatBytes = 16;               // extra bytes of a longer format chunk are zeros
    bool listChunk = false;             // a chunk between the format and the data
    std::int64_t statedDataBytes = -1;  // by default the length actually written
};

inline void putLE(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

inline std::string wavBytes(const WavFormat& f, const std::string& data) {
    std::string out = "RIFF";
    putLE(out, static_cast<std::uint32_t>(36 + data.size()), 4);
    out += "WAVEfmt ";
    putLE(out, f.formatBytes, 4);
    const int align = f.channels * f.bits / 8;
    for (const auto& [value, bytes] : {std::pair{f.tag, 2},
                                       {f.channels, 2},
                                       {22050, 4},
                                       {22050 * align, 4},
                                       {align, 2},
                                       {f.bits, 2}}) {
        putLE(out, static_cast<std::uint32_t>(value), bytes);
    }
    out.append(static_cast<std::size_t>(f.formatBytes - 16), '\0');
    if (f.listChunk) {
        out += std::string("LIST\4\0\0\0INFO", 12);
    }
    out += "data";
    putLE(out, static_cast<std::uint32_t>(f.statedDataBytes < 0 ? data.size() : f.statedDataBytes),
          4);
    return out + data;
}

inline std::string pcm16(const std::vector<std::int16_t>& samples) {
    std::string out;
    for (std::int16_t s : samples) {
        putLE(out, static_cast<std::uint16_t>(s), 2);
    }
    return out;
}

// A file of its own for each test, since CTest runs the tests in parallel processes.
inline std::string fixturePath(const std::string& name) {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    return (std::filesystem::temp_directory_path() /
            (std::string("vk_sound_") + test->test_suite_name() + "_" + test->name() + "_" + name))
        .string();
}

inline std::string writeFixture(const std::string& name, const std::string& bytes) {
    const std::string path = fixturePath(name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

// Stereo music whose every value differs from its neighbours', so a frame out of place or a
// swapped channel shows.
inline std::vector<std::int16_t> rampMusic(int frames) {
    std::vector<std::int16_t> samples;
    for (int f = 0; f < frames; ++f) {
        samples.push_back(static_cast<std::int16_t>(f * 31 % 32000 - 16000));
        samples.push_back(static_cast<std::int16_t>(15000 - f * 29 % 30000));
    }
    return samples;
}

// The mixer's volume rule: value x at volume v of 255, truncated towards zero.
inline int atVolume(int value, int volume) {
    return volume * value / 255;
}
