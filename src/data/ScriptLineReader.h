#pragma once

#include <cstddef>
#include <istream>
#include <string>

// Splits a byte stream into lines at line feeds. A CR right before the line feed is dropped
// (as a text-mode read on Windows would), so a file reads the same on every platform. Lines
// are capped in length so a file without line feeds cannot make the reader grow without end.
class ScriptLineReader {
public:
    ScriptLineReader(std::istream& input, std::size_t maxLength)
        : input_(input), maxLength_(maxLength) {}

    // Reads the next line into `line`; false when it is longer than the cap (the line then
    // holds what was read so far). The last read of a stream may give an empty line.
    bool next(std::string& line);
    // True once the end of the stream was reached.
    bool atEnd() const { return atEnd_; }

private:
    std::istream& input_;
    std::size_t maxLength_;
    bool atEnd_ = false;
};
