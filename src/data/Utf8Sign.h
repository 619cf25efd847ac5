#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <string>

// A data file saved as UTF-8 instead of Shift-JIS, a common mistake of editors: it starts with
// a UTF-8 byte-order mark, or the whole file is valid UTF-8 and holds characters outside ASCII.
// Genuine Shift-JIS Japanese text is practically never valid UTF-8 (its frequent first bytes
// 0x81 to 0x9F are UTF-8 continuation bytes), and a pure ASCII file reads the same either way.
struct Utf8Sign {
    int line = 0;  // the first line that shows it, counted from 1 as the reader counts
    // That line, trimmed, at most kMaxLineText bytes, each character outside ASCII as "?".
    std::string lineText;

    static constexpr std::size_t kMaxLineText = 256;

    // Reads input to its end (or to the first byte that is not UTF-8) and puts it back at its
    // start for the reader. Nothing when the file does not look like UTF-8.
    static std::optional<Utf8Sign> find(std::istream& input);
};
