#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

// WAV files written by the tests: a header built field by field, so each test can break
// exactly one thing.
struct WavFormat {
    int tag = 1;
    int channels = 2;
    std::uint32_t sampleRate = 16000;
    int bits = 16;
    // Bytes of the format chunk as written (and stated); extra bytes are zeros.
    int formatBytes = 16;
    // A chunk written between the format and the data.
    bool listChunk = false;
    // The stated data length; by default the length of the data actually written.
    std::int64_t statedDataBytes = -1;
};

inline void put16(std::string& out, int value) {
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

inline void put32(std::string& out, std::uint32_t value) {
    put16(out, static_cast<int>(value & 0xFFFF));
    put16(out, static_cast<int>(value >> 16));
}

inline std::string wavBytes(const WavFormat& format, const std::string& data) {
    std::string out = "RIFF";
    put32(out, static_cast<std::uint32_t>(36 + data.size()));
    out += "WAVEfmt ";
    put32(out, static_cast<std::uint32_t>(format.formatBytes));
    put16(out, format.tag);
    put16(out, format.channels);
    put32(out, format.sampleRate);
    const int align = format.channels * format.bits / 8;
    put32(out, format.sampleRate * static_cast<std::uint32_t>(align));
    put16(out, align);
    put16(out, format.bits);
    out.append(static_cast<std::size_t>(format.formatBytes - 16), '\0');
    if (format.listChunk) {
        out += "LIST";
        put32(out, 4);
        out += "INFO";
    }
    out += "data";
    put32(out, format.statedDataBytes < 0 ? static_cast<std::uint32_t>(data.size())
                                          : static_cast<std::uint32_t>(format.statedDataBytes));
    return out + data;
}

// Little-endian 16-bit samples as data bytes.
inline std::string pcm16(const std::vector<std::int16_t>& samples) {
    std::string out;
    for (std::int16_t s : samples) {
        put16(out, s);
    }
    return out;
}

// A file name of its own for each test, since CTest runs the tests in parallel processes.
inline std::string fixturePath(const std::string& name) {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string file =
        std::string("vk_sound_") + test->test_suite_name() + "_" + test->name() + "_" + name;
    return (std::filesystem::temp_directory_path() / file).string();
}

inline std::string writeFixture(const std::string& name, const std::string& bytes) {
    const std::string path = fixturePath(name);
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

// Stereo 16-bit test music whose every value differs from its neighbours', so a frame out
// of place or a swapped channel shows.
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
