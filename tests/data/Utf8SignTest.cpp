// A data file saved as UTF-8 is refused with a report naming its first telling line; Shift-JIS
// and plain ASCII files are read as ever.
#include "data/Utf8Sign.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "SjisText.h"
#include "data/DataManager.h"
#include "data/ScriptCheck.h"

namespace {

// Literals of this file are stored as Shift-JIS; UTF-8 text is spelled out in bytes.
const std::string kBraveUtf8 = "\xE5\x8B\x87\xE8\x80\x85";  // 勇者
const std::string kHeader = "SpecialArt normalAttack\nPlayer\n";

std::optional<Utf8Sign> find(const std::string& bytes) {
    std::istringstream in(bytes);
    return Utf8Sign::find(in);
}

}  // namespace

TEST(Utf8Sign, ByteOrderMarkOrUtf8TextOutsideAscii) {
    std::optional<Utf8Sign> sign = find("\xEF\xBB\xBF# comment\nPlayer\n");
    ASSERT_TRUE(sign);
    EXPECT_EQ(sign->line, 1);
    EXPECT_EQ(sign->lineText, "# comment");

    // The first line with a character outside ASCII, each such character shown as "?".
    sign = find(kHeader + "name " + kBraveUtf8 + "\r\nmessage start \xE3\x81\x82!\n");
    ASSERT_TRUE(sign);
    EXPECT_EQ(sign->line, 3);
    EXPECT_EQ(sign->lineText, "name ??");

    // Two-, three- and four-byte forms, a lone mark without anything after it.
    EXPECT_TRUE(find("a \xC3\xA9 \xF0\x9F\x98\x80\n"));
    EXPECT_TRUE(find("\xEF\xBB\xBF"));
}

TEST(Utf8Sign, ShiftJisAsciiAndBrokenUtf8AreNotUtf8) {
    EXPECT_FALSE(find(kHeader + sjis("name 勇者\nmessage start 「ケルモラの　そらは」\n")));
    EXPECT_FALSE(find(sjis("name ｱｲｳ\n")));  // half-width katakana
    EXPECT_FALSE(find(kHeader + "maxHP 10\n"));
    EXPECT_FALSE(find(""));
    // A valid start does not make a file UTF-8 when a later byte is not.
    EXPECT_FALSE(find("name " + kBraveUtf8 + sjis("\nname 勇者\n")));
    // Overlong forms, surrogates, code points past U+10FFFF, cut sequences.
    for (const char* bytes :
         {"\xC0\x80", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE5\x8B", "\xEF\xBB"}) {
        EXPECT_FALSE(find(bytes)) << bytes;
    }
}

TEST(Utf8Sign, StreamIsBackAtItsStartForTheReader) {
    std::istringstream in(kHeader + sjis("name 勇者\n"));
    EXPECT_FALSE(Utf8Sign::find(in));
    std::string first;
    std::getline(in, first);
    EXPECT_EQ(first, "SpecialArt normalAttack");
}

// The load fails as for any broken file (code 3, on stderr only), with the advice to save
// the file as Shift-JIS; --check prints the same and exits with 1.
TEST(Utf8Sign, LoadAndCheckReportTheLineAndTheEncoding) {
    DataManager data;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(data.loadFromMemory(kHeader + "name " + kBraveUtf8 + "\n"));
    const std::string printed = testing::internal::GetCapturedStderr();
    EXPECT_EQ(data.lastError().code, 3);
    EXPECT_EQ(data.lastError().line, 3);
    EXPECT_EQ(data.playerCount(), 0);
    const std::string& report = data.lastError().report;
    EXPECT_EQ(report.rfind(sjis("エラーコード 3 : その他のエラー\n3行目にエラー : name ??\n"), 0),
              0u)
        << report;
    EXPECT_NE(report.find("Shift-JIS (CP932)"), std::string::npos);
    EXPECT_NE(printed.find("UTF-8"), std::string::npos);

    const std::string path = std::string(VK_BINARY_DIR) + "/check_utf8.dat";
    { std::ofstream(path, std::ios::binary) << "\xEF\xBB\xBF" << kHeader; }
    std::ostringstream out;
    EXPECT_EQ(runScriptCheck(path, out), 1);
    EXPECT_NE(out.str().find("1\xE8\xA1\x8C"), std::string::npos) << out.str();  // "1行"
    EXPECT_NE(out.str().find("code page 932"), std::string::npos);
    std::remove(path.c_str());
}
