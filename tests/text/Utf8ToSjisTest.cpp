#include "text/Utf8ToSjis.h"

#include <gtest/gtest.h>

#include <string>

// Texts are written as byte escapes: the UTF-8 input must reach the converter as written, and
// the Shift-JIS it gives is compared byte for byte.

TEST(Utf8ToSjisTest, ConvertsEveryKindOfCharacterTheGameDraws) {
    struct Case {
        std::string utf8;
        std::string sjis;
    };
    const Case cases[] = {
        {"", ""},
        {"Alto uses Fire!\n", "Alto uses Fire!\n"},
        {"\xE3\x81\x82", "\x82\xA0"},  // hiragana a
        {"\xE4\xBA\x9C", "\x88\x9F"},  // first level-1 kanji
        {"\xEF\xBD\xB1", "\xB1"},      // half-width katakana a
        {"\xE3\x80\x80", "\x81\x40"},  // full-width space
        {"\xE2\x91\xA0", "\x87\x40"},  // circled 1 (code page 932 only)
        {"\xEF\xBD\x9E", "\x81\x60"},  // full-width tilde
        {"HP\xE3\x81\x8C"
         "10",
         "HP\x82\xAA"
         "10"},                        // mixed widths
        {"\xEE\x80\x80", "\xF0\x40"},  // first user-defined character
    };
    for (const Case& c : cases) {
        const Utf8ToSjisResult result = utf8ToSjis(c.utf8);
        EXPECT_TRUE(result.ok()) << c.utf8;
        EXPECT_EQ(result.sjis, c.sjis) << c.utf8;
        EXPECT_EQ(describeUtf8ToSjisFailure(result), "");
    }
}

TEST(Utf8ToSjisTest, MalformedUtf8GivesOffsetAndCodePoint) {
    struct Case {
        std::string utf8;
        std::size_t offset;
        char32_t codePoint;  // the decoded value, or the first byte when none decodes
    };
    const Case cases[] = {
        {"ab\x80", 2, 0x80},              // a continuation byte alone
        {"\xC0\x80", 0, 0x00},            // overlong NUL
        {"\xC1\xBF", 0, 0x7F},            // overlong two-byte form
        {"\xE0\x80\xAF", 0, 0x2F},        // overlong three-byte form
        {"\xE0\x9F\xBF", 0, 0x7FF},       // overlong just below the three-byte range
        {"x\xF0\x80\x80\xAF", 1, 0x2F},   // overlong four-byte form
        {"\xF0\x8F\xBF\xBF", 0, 0xFFFF},  // F0 followed by 80-8F
        {"\xED\xA0\x80", 0, 0xD800},      // surrogates
        {"\xED\xBF\xBF", 0, 0xDFFF},
        {"\xF4\x90\x80\x80", 0, 0x110000},  // beyond U+10FFFF
        {"\xF7\xBF\xBF\xBF", 0, 0x1FFFFF},
        {"\xF8\x88\x80\x80\x80", 0, 0xF8},  // five-byte lead
        {"\xFE", 0, 0xFE},
        {"\xFF", 0, 0xFF},
        {"a\xE3\x81", 1, 0xE3},                 // cut off at the end
        {"\xE3\x41\x82", 0, 0xE3},              // a continuation byte missing
        {"\xE3\x81\x82\xF0\x9F\x98", 3, 0xF0},  // a good character, then a cut-off one
    };
    for (const Case& c : cases) {
        const Utf8ToSjisResult result = utf8ToSjis(c.utf8);
        EXPECT_EQ(result.failure, Utf8ToSjisFailure::malformedUtf8) << c.offset;
        EXPECT_EQ(result.offset, c.offset);
        EXPECT_EQ(static_cast<unsigned long>(result.codePoint),
                  static_cast<unsigned long>(c.codePoint));
        EXPECT_EQ(result.sjis, "");
        EXPECT_EQ(describeUtf8ToSjisFailure(result),
                  "malformed UTF-8 at byte " + std::to_string(c.offset));
    }
}

TEST(Utf8ToSjisTest, CharacterWithoutShiftJisFormIsReportedNotReplaced) {
    struct Case {
        std::string utf8;
        std::size_t offset;
        char32_t codePoint;
        std::string description;
    };
    const Case cases[] = {
        {"Caf\xC3\xA9", 3, 0xE9, "U+00E9 at byte 3 has no Shift-JIS form"},
        {"\xC2\x80", 0, 0x80, "U+0080 at byte 0 has no Shift-JIS form"},
        {"\xE3\x81\x82\xF0\x9F\x98\x80", 3, 0x1F600, "U+1F600 at byte 3 has no Shift-JIS form"},
        {"\xF4\x8F\xBF\xBF", 0, 0x10FFFF, "U+10FFFF at byte 0 has no Shift-JIS form"},
        {"\xEF\xBF\xBF", 0, 0xFFFF, "U+FFFF at byte 0 has no Shift-JIS form"},
    };
    for (const Case& c : cases) {
        const Utf8ToSjisResult result = utf8ToSjis(c.utf8);
        EXPECT_EQ(result.failure, Utf8ToSjisFailure::noShiftJisForm) << c.description;
        EXPECT_EQ(result.offset, c.offset);
        EXPECT_EQ(static_cast<unsigned long>(result.codePoint),
                  static_cast<unsigned long>(c.codePoint));
        EXPECT_EQ(result.sjis, "");
        EXPECT_EQ(describeUtf8ToSjisFailure(result), c.description);
    }
}
