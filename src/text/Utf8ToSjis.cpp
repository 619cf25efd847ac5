#include "text/Utf8ToSjis.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <iterator>

namespace {

struct Cp932Entry {
    std::uint16_t unicode;
    std::uint16_t sjis;  // one byte, or lead << 8 | trail
};

// Generated at build time (tools/cp932table), ascending by code point.
constexpr Cp932Entry cp932Table[] = {
#include "Cp932Table.inc"
};

struct Decoded {
    char32_t codePoint = 0;
    std::size_t length = 0;  // 0: malformed
};

// One UTF-8 character at the start of `bytes` (not empty), strictly: the shortest form only,
// no surrogates, nothing above U+10FFFF.
Decoded decodeOne(std::string_view bytes) {
    const auto lead = static_cast<unsigned char>(bytes[0]);
    if (lead < 0x80) {
        return {lead, 1};
    }
    std::size_t length = 0;
    char32_t value = 0;
    char32_t smallest = 0;
    if (lead >= 0xC0 && lead < 0xE0) {
        length = 2, value = lead & 0x1F, smallest = 0x80;
    } else if (lead >= 0xE0 && lead < 0xF0) {
        length = 3, value = lead & 0x0F, smallest = 0x800;
    } else if (lead >= 0xF0 && lead < 0xF8) {
        length = 4, value = lead & 0x07, smallest = 0x10000;
    } else {
        return {lead, 0};  // a continuation byte, or a lead no UTF-8 has
    }
    if (bytes.size() < length) {
        return {lead, 0};
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(bytes[i]);
        if ((next & 0xC0) != 0x80) {
            return {lead, 0};
        }
        value = value << 6 | (next & 0x3F);
    }
    if (value < smallest || (value >= 0xD800 && value <= 0xDFFF) || value > 0x10FFFF) {
        return {value, 0};
    }
    return {value, length};
}

// The code page 932 form of a code point, or -1 without one.
int cp932Form(char32_t codePoint) {
    if (codePoint > 0xFFFF) {
        return -1;
    }
    const auto* end = std::end(cp932Table);
    const auto* found = std::lower_bound(
        std::begin(cp932Table), end, codePoint,
        [](const Cp932Entry& entry, char32_t value) { return entry.unicode < value; });
    if (found == end || found->unicode != codePoint) {
        return -1;
    }
    return found->sjis;
}

}  // namespace

Utf8ToSjisResult utf8ToSjis(std::string_view utf8) {
    Utf8ToSjisResult result;
    result.sjis.reserve(utf8.size());
    std::size_t offset = 0;
    while (offset < utf8.size()) {
        const Decoded decoded = decodeOne(utf8.substr(offset));
        const int form = decoded.length == 0 ? -1 : cp932Form(decoded.codePoint);
        if (form < 0) {
            result.sjis.clear();
            result.failure = decoded.length == 0 ? Utf8ToSjisFailure::malformedUtf8
                                                 : Utf8ToSjisFailure::noShiftJisForm;
            result.offset = offset;
            result.codePoint = decoded.codePoint;
            return result;
        }
        if (form > 0xFF) {
            result.sjis.push_back(static_cast<char>(form >> 8));
        }
        result.sjis.push_back(static_cast<char>(form & 0xFF));
        offset += decoded.length;
    }
    return result;
}

std::string describeUtf8ToSjisFailure(const Utf8ToSjisResult& result) {
    char text[96];
    switch (result.failure) {
        case Utf8ToSjisFailure::none:
            return {};
        case Utf8ToSjisFailure::malformedUtf8:
            std::snprintf(text, sizeof text, "malformed UTF-8 at byte %zu", result.offset);
            return text;
        case Utf8ToSjisFailure::noShiftJisForm:
            std::snprintf(text, sizeof text, "U+%04lX at byte %zu has no Shift-JIS form",
                          static_cast<unsigned long>(result.codePoint), result.offset);
            return text;
    }
    return {};
}
