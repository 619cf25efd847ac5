// The catalogue of the program's texts: stored as the build converts them, cited at their own
// lines, fitting the windows they name, and filled and overwritten as a translation needs.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "SjisText.h"
#include "text/Catalogue.h"
#include "text/Utf8ToSjis.h"

namespace {

std::vector<std::string> definitionLines() {
    std::ifstream in(VK_SOURCE_DIR "/src/text/Texts.def");
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// The first line of a source outside ASCII in code or in a literal (comments may hold any
// text), or 0.
int textOutsideComments(const std::string& source) {
    enum class In { Code, Literal, LineComment, BlockComment } in = In::Code;
    char quote = 0;
    int line = 1;
    for (std::size_t i = 0; i < source.size(); ++i) {
        const char c = source[i];
        const char next = i + 1 < source.size() ? source[i + 1] : '\0';
        line += c == '\n' ? 1 : 0;
        if (in == In::LineComment) {
            in = c == '\n' ? In::Code : in;
        } else if (in == In::BlockComment) {
            if (c == '*' && next == '/') {
                in = In::Code;
                ++i;
            }
        } else if (static_cast<unsigned char>(c) >= 0x80) {
            return line;
        } else if (in == In::Literal) {
            if (c == '\\') {
                ++i;
            } else if (c == quote || c == '\n') {
                in = In::Code;
            }
        } else if (c == '/' && (next == '/' || next == '*')) {
            in = next == '/' ? In::LineComment : In::BlockComment;
            ++i;
        } else if (c == '"' ||
                   (c == '\'' &&
                    !(i > 0 && std::isxdigit(static_cast<unsigned char>(source[i - 1]))))) {
            // A quote after a digit separates digits (1'000); any other starts a literal.
            in = In::Literal;
            quote = c;
        }
    }
    return 0;
}

// Resets the catalogue however a test leaves it.
class Catalogue : public ::testing::Test {
protected:
    void TearDown() override { resetCatalogue(); }
};

}  // namespace

TEST_F(Catalogue, EntriesAreShiftJisCitedAtTheirLinesAndFitTheirWindows) {
    EXPECT_EQ(text(TextId::MenuFight), sjis("しょうぶする"));
    EXPECT_EQ(text(TextId::EndingText), sjis("おれたちの　たたかいは　これからだ！\n"
                                             "じかいさくに　ごきたいください！\n"
                                             "＊＊＊＊＊＊＊＊＊　おわり　＊＊＊＊＊＊＊＊＊"));

    const std::vector<std::string> lines = definitionLines();
    ASSERT_FALSE(lines.empty());
    const auto entries = catalogueEntries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const CatalogueEntry& entry = entries[i];
        const std::string name(entry.name);
        EXPECT_EQ(static_cast<std::size_t>(entry.id), i) << name;
        EXPECT_EQ(&catalogueEntry(entry.id), &entry) << name;
        EXPECT_EQ(entry.file, "src/text/Texts.def");
        const Utf8ToSjisResult converted = utf8ToSjis(entry.utf8);
        EXPECT_TRUE(converted.ok()) << name << ": " << describeUtf8ToSjisFailure(converted);
        EXPECT_EQ(entry.original, converted.sjis) << name;
        // Every compiler must give the line the entry starts on: the template cites it.
        ASSERT_GE(entry.line, 1) << name;
        ASSERT_LE(static_cast<std::size_t>(entry.line), lines.size()) << name;
        EXPECT_EQ(lines[static_cast<std::size_t>(entry.line) - 1].rfind("VK_TEXT(" + name + ",", 0),
                  0u)
            << name << " cited at line " << entry.line;
        // The original fits the window it names, a line at a time (4 pixels a byte).
        if (entry.width > 0) {
            std::size_t at = 0;
            while (at <= entry.original.size()) {
                const std::size_t end =
                    std::min(entry.original.find('\n', at), entry.original.size());
                EXPECT_LE(static_cast<int>(end - at) * 4, entry.width) << name;
                at = end + 1;
            }
        }
    }
}

TEST_F(Catalogue, PlacesAreFilledInAnyOrder) {
    EXPECT_EQ(formatText(TextId::LineArt, {"Aya", "Fire"}), "Aya" + sjis("の　") + "Fire");
    // A translation may name the places in another order, and one twice.
    setCatalogueText(TextId::LineArt, "%2$s by %1$s (%1$s)");
    EXPECT_EQ(formatText(TextId::LineArt, {"Aya", "Fire"}), "Fire by Aya (Aya)");
    // "%%" is one "%"; a place without a part, or not written %N$s, stays as it is.
    EXPECT_EQ(fillPlaces("100%% %1$s %3$s %2 %0$s %1$d %", {"a", "b"}),
              "100% a %3$s %2 %0$s %1$d %");
    EXPECT_EQ(fillPlaces("%10$s|%1$s", {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"}), "j|a");
    EXPECT_EQ(fillPlaces("%99999999999999999999$s", {"a"}), "%99999999999999999999$s");
}

TEST_F(Catalogue, ATranslationOverwritesAndResetRestoresTheOriginals) {
    const std::string original = text(TextId::MenuYes);
    setCatalogueText(TextId::MenuYes, "Yes");
    EXPECT_EQ(text(TextId::MenuYes), "Yes");
    EXPECT_EQ(catalogueEntry(TextId::MenuYes).original, original);
    resetCatalogue();
    EXPECT_EQ(text(TextId::MenuYes), original);
}

// Only the catalogue holds the program's texts: a text in a literal anywhere else would be
// stored as UTF-8, and the game would show it garbled.
TEST(CatalogueSources, NoSourceButTheCatalogueHoldsTextOutsideAscii) {
    int checked = 0;
    for (const auto& file : std::filesystem::recursive_directory_iterator(VK_SOURCE_DIR "/src")) {
        const std::string extension = file.path().extension().string();
        if (extension != ".cpp" && extension != ".h") {
            continue;
        }
        std::ifstream in(file.path(), std::ios::binary);
        std::ostringstream source;
        source << in.rdbuf();
        EXPECT_EQ(textOutsideComments(source.str()), 0)
            << file.path() << ": its texts belong in src/text/Texts.def";
        ++checked;
    }
    EXPECT_GT(checked, 100);
    // The scan itself: a text in a literal is found, one in a comment is not.
    EXPECT_EQ(textOutsideComments("int a = 1'000;\n// \xE3\x81\x82\nf(\"\\\"\xE3\x81\x82\");"), 3);
    EXPECT_EQ(textOutsideComments("/* \xE3\x81\x82 */ f(\"a\"); // \xE3\x81\x82"), 0);
}
