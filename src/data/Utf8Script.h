#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <streambuf>
#include <string>

// A data file saved as UTF-8, the habit of most editors, read as the same text in Shift-JIS.
// A file is taken as UTF-8 when it starts with the UTF-8 byte-order mark, or when the whole
// file is valid UTF-8 and holds characters outside ASCII. Genuine Shift-JIS Japanese text is
// practically never valid UTF-8 (its frequent first bytes 0x81 to 0x9F are UTF-8 continuation
// bytes), and a pure ASCII file reads the same either way, so Shift-JIS files read as before.
// The conversion (utf8ToSjis, the same table on every platform) runs as the reader reads, a
// piece at a time, so a UTF-8 file costs no more memory than a Shift-JIS one.
class Utf8Script : public std::streambuf {
public:
    // A character that has no Shift-JIS (code page 932) form, or bytes that are no UTF-8.
    struct Problem {
        int line = 0;  // counted from 1, as the reader counts
        // The line up to the character, in Shift-JIS, at most kMaxLineText bytes.
        std::string lineText;
        std::string what;  // e.g. "the character U+00E9 has no Shift-JIS (code page 932) form"
    };
    static constexpr std::size_t kMaxLineText = 256;

    // Whether the file is UTF-8 (see above). Reads input to its end or to the first byte that
    // is no UTF-8, then puts it back at its start.
    static bool isUtf8(std::istream& input);
    // The first character of the UTF-8 file that cannot be converted, if any. Reads input to
    // that character or to its end, then puts it back at its start.
    static std::optional<Problem> findProblem(std::istream& input);

    // The Shift-JIS text of the UTF-8 bytes (the byte-order mark left out). The text ends
    // early at a character that cannot be converted: findProblem first.
    explicit Utf8Script(std::streambuf& utf8);

protected:
    int_type underflow() override;

private:
    static constexpr std::size_t kPiece = 4096;

    std::streambuf& utf8_;
    std::string pending_;  // the start of a character cut off at the end of the last piece
    std::string sjis_;     // the converted piece the reader takes bytes from
    bool started_ = false;
    int line_ = 1;
    std::string lineText_;
    std::optional<Problem> problem_;
};
