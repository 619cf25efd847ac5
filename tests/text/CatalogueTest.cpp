// The catalogue of the program's texts: stored as the build converts them, cited at their own
// lines, fitting the windows they name, and filled and overwritten as a translation needs.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "SjisText.h"
#include "text/Catalogue.h"

namespace {

std::vector<std::string> definitionLines() {
    std::ifstream in(VK_SOURCE_DIR "/src/text/Texts.def");
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
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
