#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <cwchar>

#include "gfx/Image.h"

// The row operations behind fills and blits: each a loop the compiler turns into vector loads
// and stores, with the same result as moving the pixels one by one from left to right.
// Short runs (the 8-pixel tiles of window frames, glyph rows) stay inline; long runs go to the
// C library, which uses the widest stores the processor has.
namespace PixelRows {

inline constexpr std::size_t kShortRun = 16;

// Sets count pixels from destination on to value.
inline void fill(Pixel* destination, std::size_t count, Pixel value) {
#if WCHAR_MAX > 0xFFFF
    if (count > kShortRun) {
        // wchar_t is a 32-bit unit here, so the wide fill writes exactly these pixels.
        static_assert(sizeof(wchar_t) == sizeof(Pixel));
        std::wmemset(reinterpret_cast<wchar_t*>(destination), static_cast<wchar_t>(value), count);
        return;
    }
#endif
    std::fill_n(destination, count, value);
}

// Copies count pixels, more than kShortRun; the two runs must not overlap.
inline void copyLong(Pixel* destination, const Pixel* source, std::size_t count) {
    std::memcpy(destination, source, count * sizeof(Pixel));
}

// Copies count pixels, at most kShortRun, inline; the two runs must not overlap.
inline void copyShort(Pixel* destination, const Pixel* source, std::size_t count) {
    if (count == 8) {
        // A row of a window-frame tile: two 16-byte moves.
        std::memcpy(destination, source, 8 * sizeof(Pixel));
    } else if (count >= 4) {
        // 16-byte moves; the last one may cover pixels already copied, with the same values.
        for (std::size_t i = 0; i + 4 < count; i += 4) {
            std::memcpy(destination + i, source + i, 4 * sizeof(Pixel));
        }
        std::memcpy(destination + count - 4, source + count - 4, 4 * sizeof(Pixel));
    } else {
        for (std::size_t i = 0; i < count; ++i) {
            destination[i] = source[i];
        }
    }
}

// Copies count pixels; the two runs must not overlap.
inline void copy(Pixel* destination, const Pixel* source, std::size_t count) {
    if (count > kShortRun) {
        copyLong(destination, source, count);
    } else {
        copyShort(destination, source, count);
    }
}

// Copies the count pixels that differ from key and leaves the others as they are; the two runs
// must not overlap.
inline void copySkippingKey(Pixel* destination, const Pixel* source, std::size_t count, Pixel key) {
    // Writing the destination pixel back where the key shows lets the compiler use vector
    // compares and blends.
    for (std::size_t i = 0; i < count; ++i) {
        const Pixel s = source[i];
        const Pixel d = destination[i];
        destination[i] = s != key ? s : d;
    }
}

}  // namespace PixelRows
