#include <gtest/gtest.h>

#include <string>

#include "SjisText.h"
#include "data/TextEncoding.h"

namespace {

std::string utf8(const char8_t* text) {
    return reinterpret_cast<const char*>(text);
}

}  // namespace

// The Windows conversion (code page 932 built into Windows) must agree with the iconv one.
TEST(TextEncoding, ShiftJisBecomesUtf8AndBadBytesBecomeQuestionMarks) {
    EXPECT_EQ(sjisToUtf8(sjis("ケルモラ ok\n")), utf8(u8"ケルモラ ok\n"));
    EXPECT_EQ(sjisToUtf8(sjis("ＨＰ　１０")), utf8(u8"ＨＰ　１０"));
    EXPECT_EQ(sjisToUtf8(""), "");
    // A lead byte whose second byte cannot follow it: "?", then the second byte on its own.
    EXPECT_EQ(sjisToUtf8(std::string("\x82\x20", 2) + sjis("ア")), utf8(u8"? ア"));
    // A lead byte cut off at the end.
    EXPECT_EQ(sjisToUtf8(sjis("モ") + "\x83"), utf8(u8"モ?"));
}
