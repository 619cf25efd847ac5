// The rewriter that stores the catalogue's texts as Shift-JIS. Inputs are UTF-8 written as
// escapes, so the test reads the same whatever the compiler does with literals.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "SjisLiterals.h"

namespace {

// "あ" and "終了" in UTF-8, and their code page 932 bytes as octal escapes.
constexpr const char* kA = "\xE3\x81\x82";
constexpr const char* kAEscaped = "\\202\\240";
constexpr const char* kQuit = "\xE7\xB5\x82\xE4\xBA\x86";
constexpr const char* kQuitEscaped = "\\217\\111\\227\\271";

std::string rewrite(const std::string& source) {
    std::string out;
    std::string error;
    EXPECT_TRUE(toShiftJisLiterals(source, out, error)) << error;
    return out;
}

std::string failure(const std::string& source) {
    std::string out;
    std::string error;
    EXPECT_FALSE(toShiftJisLiterals(source, out, error));
    return error;
}

TEST(SjisLiterals, ConvertsTextInStringLiterals) {
    EXPECT_EQ(rewrite(std::string("f(\"") + kQuit + "(&X)\");"),
              std::string("f(\"") + kQuitEscaped + "(&X)\");");
    // An escape and a digit right after the text stay what they were.
    EXPECT_EQ(rewrite(std::string("\"\\x41") + kA + "7\\\"\""),
              std::string("\"\\x41") + kAEscaped + "7\\\"\"");
}

TEST(SjisLiterals, LeavesCommentsAndPrefixedLiteralsAlone) {
    const std::string comments = std::string("// ") + kA + " \"\n/* " + kQuit + " ' */ int x;";
    EXPECT_EQ(rewrite(comments), comments);
    const std::string prefixed = std::string("u8\"") + kA + "\" L\"" + kA + "\"";
    EXPECT_EQ(rewrite(prefixed), prefixed);
    // A digit separator is no character literal, so the string after it is still converted.
    EXPECT_EQ(rewrite(std::string("int n = 1'000; const char* s = \"") + kA + "\";"),
              std::string("int n = 1'000; const char* s = \"") + kAEscaped + "\";");
    EXPECT_EQ(rewrite("char q = '\"'; R\"x(a\"b)x\""), "char q = '\"'; R\"x(a\"b)x\"");
}

TEST(SjisLiterals, RefusesWhatCannotBeStored) {
    // A character outside code page 932 (U+00E9), malformed UTF-8, text in a character or raw
    // literal: each named with its line.
    EXPECT_EQ(failure("\n\"\xC3\xA9\"").rfind("line 2:", 0), 0u);
    EXPECT_FALSE(failure("\"\xE3\x81\"").empty());
    EXPECT_FALSE(failure(std::string("'") + kA + "'").empty());
    EXPECT_FALSE(failure(std::string("R\"(") + kA + ")\"").empty());
}

}  // namespace

// Only the catalogue holds text outside ASCII in its literals: anywhere else the compiler would
// store it as UTF-8, and the game would show it garbled.
TEST(SjisLiterals, NoSourceButTheCatalogueHoldsTextOutsideAscii) {
    const std::filesystem::path src = VK_SOURCE_DIR "/src";
    int checked = 0;
    for (const auto& file : std::filesystem::recursive_directory_iterator(src)) {
        const std::string extension = file.path().extension().string();
        if (extension != ".cpp" && extension != ".h") {
            continue;
        }
        std::ifstream in(file.path(), std::ios::binary);
        std::ostringstream source;
        source << in.rdbuf();
        std::string out;
        std::string error;
        EXPECT_TRUE(toShiftJisLiterals(source.str(), out, error) && out == source.str())
            << file.path() << " " << error << ": its texts belong in src/text/Texts.def";
        ++checked;
    }
    EXPECT_GT(checked, 100);
}
