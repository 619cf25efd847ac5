#include <gtest/gtest.h>

#include "SjisText.h"
#include "data/ScriptText.h"

TEST(ScriptTextTest, IntegerRule) {
    EXPECT_EQ(parseScriptInteger("120"), 120);
    EXPECT_EQ(parseScriptInteger("-5"), -5);
    EXPECT_EQ(parseScriptInteger("+7"), 7);
    EXPECT_EQ(parseScriptInteger("007"), 7);
    EXPECT_EQ(parseScriptInteger("+"), 0);  // a lone sign is zero
    EXPECT_EQ(parseScriptInteger("-"), 0);
    EXPECT_EQ(parseScriptInteger("2147483647"), 2147483647);
    EXPECT_EQ(parseScriptInteger("-2147483648"), -2147483647 - 1);
    for (const char* bad : {"5-", "12x", "+-1", "--1", "1 2", "0x10", "1.5", "2147483648",
                            "-2147483649", "99999999999999999999999"}) {
        EXPECT_EQ(parseScriptInteger(bad), std::nullopt) << bad;
    }
}

TEST(ScriptTextTest, TrimmingAndTokensLeaveShiftJisAlone) {
    EXPECT_EQ(trimScriptLine(" \t\v\f maxHP 12 \r\n"), "maxHP 12");
    EXPECT_EQ(trimScriptLine("\xA0x\xA0"), "\xA0x\xA0");  // high bytes are never blanks
    EXPECT_EQ(trimScriptLine(" \r "), "");

    // Only spaces and tabs separate; the full-width space and other blanks stay in tokens.
    const auto tokens = splitScriptTokens(sjis("name\t 勇者　ロト  a\vb"));
    ASSERT_EQ(tokens.size(), 3u);
    EXPECT_EQ(tokens[0], "name");
    EXPECT_EQ(tokens[1], sjis("勇者　ロト"));
    EXPECT_EQ(tokens[2], "a\vb");
    EXPECT_TRUE(splitScriptTokens(" \t ").empty());
}

TEST(ScriptTextTest, EscapesAreReplacedBytewise) {
    EXPECT_EQ(replaceScriptEscapes("a\\nb\\tc\\fd"), "a\nb\tc\fd");
    EXPECT_EQ(replaceScriptEscapes("\\\\n"), "\\\n");
    EXPECT_EQ(replaceScriptEscapes("\\x\\"), "\\x\\");
    // The second byte of "ソ" is a backslash: the search does not skip it.
    EXPECT_EQ(replaceScriptEscapes(sjis("ソn")), std::string("\x83\n"));
    EXPECT_EQ(replaceScriptEscapes(sjis("表t")), std::string("\x95\t"));
}
