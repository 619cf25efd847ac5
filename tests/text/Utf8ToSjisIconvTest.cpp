#include <iconv.h>

#include <gtest/gtest.h>

#include <string>

#include "text/Utf8ToSjis.h"

namespace {

std::string utf8Of(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | c >> 18);
        out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

// iconv's code page 932 form of one UTF-8 character, or "" without one.
std::string iconvForm(iconv_t converter, const std::string& utf8) {
    char out[8];
    char* in = const_cast<char*>(utf8.data());
    char* outPtr = out;
    std::size_t inLeft = utf8.size();
    std::size_t outLeft = sizeof out;
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    if (iconv(converter, &in, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
        return {};
    }
    return std::string(out, static_cast<std::size_t>(outPtr - out));
}

}  // namespace

// The compiled-in table and the UTF-8 decoding in front of it agree with this machine's iconv
// for every code point: the same bytes, or no form on both sides.
TEST(Utf8ToSjisIconvTest, AgreesWithIconvOnEveryCodePoint) {
    iconv_t converter = iconv_open("CP932", "UTF-8");
    ASSERT_NE(converter, reinterpret_cast<iconv_t>(-1));
    int converted = 0;
    int mismatches = 0;
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) {
            continue;
        }
        const std::string utf8 = utf8Of(c);
        const std::string expected = iconvForm(converter, utf8);
        const Utf8ToSjisResult result = utf8ToSjis(utf8);
        const std::string actual = result.ok() ? result.sjis : "";
        if (actual != expected && ++mismatches <= 10) {
            ADD_FAILURE() << "U+" << std::hex << static_cast<unsigned long>(c);
        }
        converted += result.ok() ? 1 : 0;
    }
    iconv_close(converter);
    EXPECT_EQ(mismatches, 0);
    EXPECT_GT(converted, 9000);
}
