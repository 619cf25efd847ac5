#pragma once

#include <algorithm>
#include <cstddef>
#include <string>

// Width in pixels of a Shift-JIS text in the game font: 4 pixels per byte (a two-byte
// character is 8). Capped far beyond any screen so that no length can overflow.
inline int textWidth(const std::string& text) {
    constexpr std::size_t kMaxBytes = 1 << 20;
    return static_cast<int>(std::min(text.size(), kMaxBytes) * 4);
}
