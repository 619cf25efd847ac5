#pragma once

#include <iconv.h>

#include <cstdint>

// Opening iconv for code page 932 text. glibc knows "CP932"; the C library of the browser
// build knows only plain Shift-JIS, which reads a handful of symbols as other characters than
// code page 932 does (cp932Character puts those right) and lacks the vendors' extra rows.
inline iconv_t openShiftJisConverter(const char* toCode) {
    iconv_t converter = iconv_open(toCode, "CP932");
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        converter = iconv_open(toCode, "SHIFT_JIS");
    }
    return converter;
}

// The code page 932 character of a two-byte code, given what the converter read it as.
inline std::uint32_t cp932Character(unsigned code, std::uint32_t converted) {
    switch (code) {
        case 0x815F:
            return 0xFF3C;  // fullwidth reverse solidus
        case 0x8160:
            return 0xFF5E;  // fullwidth tilde
        case 0x8161:
            return 0x2225;  // parallel to
        case 0x817C:
            return 0xFF0D;  // fullwidth hyphen-minus
        case 0x8191:
            return 0xFFE0;  // fullwidth cent sign
        case 0x8192:
            return 0xFFE1;  // fullwidth pound sign
        case 0x81CA:
            return 0xFFE2;  // fullwidth not sign
        default:
            return converted;
    }
}
