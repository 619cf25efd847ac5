#include <gtest/gtest.h>

#include <string>

#include "SjisText.h"
#include "data/TextEncoding.h"

TEST(TextEncoding, ConvertsGameTextAndMarksBrokenBytes) {
    EXPECT_EQ(sjisToUtf8(sjis("バージョン情報 Ver 0.1.0")),
              "\xE3\x83\x90\xE3\x83\xBC\xE3\x82\xB8\xE3\x83\xA7\xE3\x83\xB3\xE6\x83\x85\xE5"
              "\xA0\xB1 Ver 0.1.0");
    // A lone lead byte at the end and an invalid pair.
    EXPECT_EQ(sjisToUtf8("a\x81"), "a?");
    EXPECT_EQ(sjisToUtf8(std::string("\x85\x20z", 3)), "? z");
}
