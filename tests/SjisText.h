#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "text/Utf8ToSjis.h"

// Text written in UTF-8 in a test's source, as the Shift-JIS bytes the game holds: converted
// as the catalogue converts the program's texts. Text code page 932 lacks is a mistake in the
// test and throws.
inline std::string sjis(std::string_view utf8) {
    Utf8ToSjisResult result = utf8ToSjis(utf8);
    if (!result.ok()) {
        throw std::invalid_argument(describeUtf8ToSjisFailure(result));
    }
    return std::move(result.sjis);
}
