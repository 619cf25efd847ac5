#include "sound/Sound.h"

#include <algorithm>
#include <cstring>
#include <streambuf>

#include "files/GameFileSource.h"

namespace {

constexpr int kHeaderBytes = 12;
constexpr int kChunkHeaderBytes = 8;
constexpr int kFormatBytes = 16;
constexpr int kPcmFormat = 1;
// Sample bytes are converted through a fixed buffer of this size.
constexpr int kReadChunk = 4096;

std::uint16_t read16(const unsigned char* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t read32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

bool readBytes(std::istream& in, unsigned char* out, int count) {
    in.read(reinterpret_cast<char*>(out), count);
    return in.gcount() == count;
}

bool hasTag(const unsigned char* p, const char* tag) {
    return std::memcmp(p, tag, 4) == 0;
}

// Unsigned 8-bit samples: 0x80 is silence, each step is 257 of the 16-bit scale.
void convert8(std::istream& in, std::int16_t* out, std::int64_t count) {
    unsigned char chunk[kReadChunk];
    while (count > 0) {
        const int n = static_cast<int>(std::min<std::int64_t>(count, kReadChunk));
        in.read(reinterpret_cast<char*>(chunk), n);
        const auto got = static_cast<int>(in.gcount());
        for (int i = 0; i < got; ++i) {
            const int value = chunk[i] * 257 - 32896;
            out[i] = static_cast<std::int16_t>(std::clamp(value, -32768, 32767));
        }
        if (got < n) {
            return;  // the rest stays silent
        }
        out += n;
        count -= n;
    }
}

// Signed 16-bit little-endian samples.
void convert16(std::istream& in, std::int16_t* out, std::int64_t count) {
    unsigned char chunk[kReadChunk];
    while (count > 0) {
        const int n = static_cast<int>(std::min<std::int64_t>(count, kReadChunk / 2));
        in.read(reinterpret_cast<char*>(chunk), n * 2);
        const auto got = static_cast<int>(in.gcount()) / 2;
        for (int i = 0; i < got; ++i) {
            out[i] = static_cast<std::int16_t>(read16(chunk + 2 * i));
        }
        if (got < n) {
            return;
        }
        out += n;
        count -= n;
    }
}

// A read-only stream over bytes in memory, for loadWavFromMemory.
class MemoryBuffer : public std::streambuf {
public:
    MemoryBuffer(const std::uint8_t* data, std::size_t size) {
        char* begin = const_cast<char*>(reinterpret_cast<const char*>(data));
        setg(begin, begin, begin + size);
    }
};

}  // namespace

Sound::Sound() = default;

Sound::Sound(const std::string& fileName) {
    loadWav(fileName);
}

Sound::~Sound() = default;

void Sound::resize(int frames, int channels) {
    samples_.reset();
    if (frames > 0 && channels > 0) {
        samples_ = std::make_unique<std::int16_t[]>(static_cast<std::size_t>(frames) *
                                                    static_cast<std::size_t>(channels));
        frames_ = frames;
        channels_ = channels;
    } else {
        frames_ = 0;
        channels_ = 1;
    }
}

void Sound::swap(Sound& other) noexcept {
    std::swap(samples_, other.samples_);
    std::swap(frames_, other.frames_);
    std::swap(channels_, other.channels_);
    std::swap(sampleRate_, other.sampleRate_);
}

bool Sound::sameAs(const Sound& other) const {
    if (frames_ != other.frames_ || channels_ != other.channels_ ||
        sampleRate_ != other.sampleRate_) {
        return false;
    }
    const auto count = static_cast<std::size_t>(frames_) * static_cast<std::size_t>(channels_);
    return count == 0 ||
           std::memcmp(samples_.get(), other.samples_.get(), count * sizeof(std::int16_t)) == 0;
}

void Sound::clear() {
    if (samples_) {
        std::fill_n(samples_.get(), static_cast<std::size_t>(frames_) * channels_, 0);
    }
}

bool Sound::loadWav(const std::string& fileName) {
    samples_.reset();
    frames_ = 0;
    channels_ = kDefaultChannels;
    sampleRate_ = kDefaultSampleRate;

    std::optional<GameFileSource::File> file = GameFileSource::current().open(fileName);
    if (!file) {
        return false;
    }
    // The file size bounds every length read from it.
    return readWav(*file->stream, static_cast<std::int64_t>(file->size));
}

bool Sound::loadWavFromMemory(const std::uint8_t* data, std::size_t size) {
    samples_.reset();
    frames_ = 0;
    channels_ = kDefaultChannels;
    sampleRate_ = kDefaultSampleRate;

    MemoryBuffer buffer(data, size);
    std::istream in(&buffer);
    return readWav(in, static_cast<std::int64_t>(size));
}

bool Sound::readWav(std::istream& in, std::int64_t fileSize) {
    unsigned char header[kHeaderBytes];
    if (!readBytes(in, header, kHeaderBytes) || !hasTag(header, "RIFF") ||
        !hasTag(header + 8, "WAVE")) {
        return false;
    }
    // The format chunk must come first and hold exactly 16 bytes: its stated size is not
    // used, so a longer chunk makes the "data" tag below miss.
    unsigned char chunk[kChunkHeaderBytes];
    unsigned char format[kFormatBytes];
    if (!readBytes(in, chunk, kChunkHeaderBytes) || !hasTag(chunk, "fmt ") ||
        !readBytes(in, format, kFormatBytes)) {
        return false;
    }
    const int tag = read16(format);
    const int channels = read16(format + 2);
    const auto sampleRate = static_cast<std::int32_t>(read32(format + 4));
    const int bits = read16(format + 14);
    if (tag != kPcmFormat || channels == 0 || channels > kMaxChannels || bits == 0 ||
        bits > kMaxBitsPerSample) {
        return false;
    }
    if (!readBytes(in, chunk, kChunkHeaderBytes) || !hasTag(chunk, "data")) {
        return false;
    }

    const std::int64_t dataStart = kHeaderBytes + 2 * kChunkHeaderBytes + kFormatBytes;
    const std::int64_t available = std::max<std::int64_t>(0, fileSize - dataStart);
    const std::int64_t length = std::min<std::int64_t>(read32(chunk + 4), available);
    const std::int64_t frames = length * 8 / bits / channels;
    if (frames > kMaxFrames) {
        return false;
    }

    resize(static_cast<int>(frames), channels);
    const std::int64_t count = frames * channels;
    if (bits == 8) {
        convert8(in, samples_.get(), count);
    } else if (bits == 16) {
        convert16(in, samples_.get(), count);
    }
    sampleRate_ = sampleRate;
    return true;
}

int Sound::mixInto(Sound& destination, int destinationStart, int sourceStart, int count,
                   int volume) const {
    if (destination.channels_ != channels_ || destinationStart < 0 || sourceStart < 0) {
        return 0;
    }
    const int n = std::min({count, destination.frames_ - destinationStart, frames_ - sourceStart});
    if (n <= 0) {
        return 0;
    }
    const std::int16_t* source = samples_.get() + static_cast<std::size_t>(sourceStart) * channels_;
    std::int16_t* target =
        destination.samples_.get() + static_cast<std::size_t>(destinationStart) * channels_;
    const int values = n * channels_;
    for (int i = 0; i < values; ++i) {
        // 64-bit so that no volume can overflow; the division truncates towards zero.
        const std::int64_t mixed = static_cast<std::int64_t>(volume) * source[i] / 255 + target[i];
        target[i] = static_cast<std::int16_t>(std::clamp<std::int64_t>(mixed, -32768, 32767));
    }
    return n;
}
