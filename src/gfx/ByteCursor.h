#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

// A read position over a block of bytes that never leaves it, whatever offsets a file asks
// for. Reading past the end copies only the bytes that are there and leaves the rest of the
// destination as it was, like a stream read that hits the end of the file.
class ByteCursor {
public:
    ByteCursor(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::size_t position() const { return position_; }
    std::size_t remaining() const { return size_ - position_; }
    bool atEnd() const { return position_ == size_; }

    // Moves to offset from the start; an offset past the end stops at the end.
    void seek(std::size_t offset) { position_ = std::min(offset, size_); }
    void skip(std::size_t count) { position_ += std::min(count, remaining()); }

    // Copies up to count bytes to out and returns how many there were.
    std::size_t read(std::uint8_t* out, std::size_t count) {
        const std::size_t n = std::min(count, remaining());
        if (n > 0) {
            std::memcpy(out, data_ + position_, n);
        }
        position_ += n;
        return n;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};
