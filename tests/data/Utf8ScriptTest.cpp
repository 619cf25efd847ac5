// A data file saved as UTF-8 reads as the same Shift-JIS text; a character Shift-JIS cannot
// write is error 3 at its line, named; Shift-JIS and plain ASCII files are read as ever.
#include "data/Utf8Script.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

#include "SjisText.h"
#include "data/DataManager.h"
#include "data/ScriptCheck.h"

namespace {

// UTF-8 text the files hold is spelled out in bytes; sjis() gives the Shift-JIS the game reads.
const std::string kBraveUtf8 = "\xE5\x8B\x87\xE8\x80\x85";  // 勇者
const std::string kHeader = "SpecialArt normalAttack\nPlayer\n";

bool isUtf8(const std::string& bytes) {
    std::istringstream in(bytes);
    return Utf8Script::isUtf8(in);
}

// The Shift-JIS text of UTF-8 bytes, and the problem found first, if any.
std::string converted(const std::string& utf8, std::optional<Utf8Script::Problem>* problem) {
    std::istringstream in(utf8);
    *problem = Utf8Script::findProblem(in);
    Utf8Script text(*in.rdbuf());
    return std::string(std::istreambuf_iterator<char>(&text), {});
}

}  // namespace

TEST(Utf8Script, ByteOrderMarkOrValidUtf8OutsideAsciiIsUtf8) {
    EXPECT_TRUE(isUtf8("\xEF\xBB\xBF# comment\nPlayer\n"));
    EXPECT_TRUE(isUtf8("\xEF\xBB\xBF"));
    EXPECT_TRUE(isUtf8(kHeader + "name " + kBraveUtf8 + "\r\n"));
    EXPECT_TRUE(isUtf8("a \xC3\xA9 \xF0\x9F\x98\x80\n"));  // two- and four-byte forms

    EXPECT_FALSE(isUtf8(kHeader + sjis("name 勇者\nmessage start 「ケルモラの　そらは」\n")));
    EXPECT_FALSE(isUtf8(sjis("name ｱｲｳ\n")));  // half-width katakana
    EXPECT_FALSE(isUtf8(kHeader + "maxHP 10\n"));
    EXPECT_FALSE(isUtf8(""));
    // A valid start does not make a file UTF-8 when a later byte is not.
    EXPECT_FALSE(isUtf8("name " + kBraveUtf8 + sjis("\nname 勇者\n")));
    // Overlong forms, surrogates, code points past U+10FFFF, cut sequences.
    for (const char* bytes :
         {"\xC0\x80", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE5\x8B", "\xEF\xBB"}) {
        EXPECT_FALSE(isUtf8(bytes)) << bytes;
    }
    // The stream is back at its start for the reader.
    std::istringstream in(kHeader + sjis("name 勇者\n"));
    EXPECT_FALSE(Utf8Script::isUtf8(in));
    std::string first;
    std::getline(in, first);
    EXPECT_EQ(first, "SpecialArt normalAttack");
}

TEST(Utf8Script, ConvertsToTheSameShiftJisAcrossPieces) {
    std::optional<Utf8Script::Problem> problem;
    EXPECT_EQ(converted("\xEF\xBB\xBF"
                        "name " +
                            kBraveUtf8 + "\n",
                        &problem),
              sjis("name 勇者\n"));
    EXPECT_FALSE(problem);
    // Characters cut by the end of a piece read whole: the text crosses many pieces, each
    // character at every offset.
    std::string utf8 = "#";
    std::string expected = "#";
    for (int i = 0; i < 5000; ++i) {
        utf8 += kBraveUtf8 + (i % 7 == 0 ? "\n" : "");
        expected += sjis("勇者") + (i % 7 == 0 ? "\n" : "");
    }
    EXPECT_EQ(converted(utf8, &problem), expected);
    EXPECT_FALSE(problem);
}

TEST(Utf8Script, CharacterWithoutShiftJisIsErrorThreeAtItsLineNamingIt) {
    std::optional<Utf8Script::Problem> problem;
    std::string lines = kHeader;
    for (int i = 0; i < 2000; ++i) {
        lines += "# " + kBraveUtf8 + "\n";  // the problem far into the file, past the first piece
    }
    const std::string bad = lines + "name Caf\xC3\xA9 " + kBraveUtf8 + "\n";  // é
    EXPECT_EQ(converted(bad, &problem).size(), lines.size() - 2000 * 2 + 8);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->line, 2003);
    EXPECT_EQ(problem->lineText, "name Caf");
    EXPECT_EQ(problem->what, "the character U+00E9 has no Shift-JIS (code page 932) form");

    // The load fails as for any broken file (code 3, the report on stderr), and --check prints
    // the same and exits with 1.
    DataManager data;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(data.loadFromMemory(bad));
    const std::string printed = testing::internal::GetCapturedStderr();
    EXPECT_EQ(data.lastError().code, 3);
    EXPECT_EQ(data.lastError().line, 2003);
    EXPECT_EQ(data.playerCount(), 0);
    const std::string& report = data.lastError().report;
    EXPECT_EQ(
        report.rfind(sjis("エラーコード 3 : その他のエラー\n2003行目にエラー : name Caf\n"), 0), 0u)
        << report;
    EXPECT_NE(report.find("U+00E9"), std::string::npos) << report;
    EXPECT_NE(printed.find("U+00E9"), std::string::npos);

    const std::string path = std::string(VK_BINARY_DIR) + "/check_utf8.dat";
    { std::ofstream(path, std::ios::binary) << "\xEF\xBB\xBF" << kHeader << "name \xE2\x82\xAC\n"; }
    std::ostringstream out;
    EXPECT_EQ(runScriptCheck(path, out), 1);
    EXPECT_NE(out.str().find("3\xE8\xA1\x8C"), std::string::npos) << out.str();  // "3行"
    EXPECT_NE(out.str().find("U+20AC"), std::string::npos) << out.str();         // €
    std::remove(path.c_str());

    // Broken UTF-8 after a byte-order mark names the byte.
    converted(
        "\xEF\xBB\xBF"
        "a\nb\xFF\n",
        &problem);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->line, 2);
    EXPECT_EQ(problem->what, "the byte 0xFF is not UTF-8");
}
