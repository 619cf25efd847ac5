#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Strict UTF-8 to Shift-JIS (code page 932), the encoding of every text the game draws. The
// table is the build machine's iconv CP932 compiled in, so every platform converts alike.
// Strict: overlong forms, surrogates and code points beyond U+10FFFF are malformed, and a
// character code page 932 has no form for is a failure too, never a "?".

enum class Utf8ToSjisFailure {
    none,
    malformedUtf8,   // bytes that are no UTF-8 character
    noShiftJisForm,  // a character code page 932 cannot write
};

struct Utf8ToSjisResult {
    std::string sjis;  // the whole text, when nothing failed
    Utf8ToSjisFailure failure = Utf8ToSjisFailure::none;
    std::size_t offset = 0;  // byte offset of the failing sequence in the UTF-8 text
    // The failing character: the code point it decodes to (also for an overlong form, a
    // surrogate or a value beyond U+10FFFF), or, for bytes that decode to none, the first byte.
    char32_t codePoint = 0;

    bool ok() const { return failure == Utf8ToSjisFailure::none; }
};

Utf8ToSjisResult utf8ToSjis(std::string_view utf8);

// The failure in words for an error report, e.g. "U+00E9 at byte 12 has no Shift-JIS form".
std::string describeUtf8ToSjisFailure(const Utf8ToSjisResult& result);
