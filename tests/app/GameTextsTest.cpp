#include "app/GameTexts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "data/DataManager.h"
#include "text/PoFile.h"
#include "text/Utf8ToSjis.h"

namespace {

const GameText* findText(const std::vector<GameText>& texts, const std::string& original) {
    const auto found = std::find_if(texts.begin(), texts.end(), [&](const GameText& text) {
        return text.original == original;
    });
    return found == texts.end() ? nullptr : &*found;
}

}  // namespace

TEST(GameTextsTest, TemplateHoldsEachDataTextOnceAndReadsBackExactly) {
    DataManager data;
    data.setQuiet(true);
    data.setLoadImages(false);
    ASSERT_TRUE(
        data.loadFromMemory("SpecialArt normalAttack\n"
                            "name Hit\n"
                            "Player\n"
                            "name Hit\n"
                            "description \"Quoted\"\\tand\\\\\n"
                            "message won First\\nsecond\n"));
    const std::vector<GameText> texts = collectGameTexts(data);
    // The same text as an art name and as a name: one entry, both places, the narrower window.
    const GameText* hit = findText(texts, "Hit");
    ASSERT_NE(hit, nullptr);
    EXPECT_EQ(hit->places, (std::vector<std::string>{"script.dat:2", "script.dat:4"}));
    EXPECT_EQ(hit->window, "name window");
    EXPECT_EQ(hit->width, 40);
    ASSERT_NE(findText(texts, "First\nsecond"), nullptr);
    EXPECT_EQ(findText(texts, "First\nsecond")->width, 192);

    std::ostringstream out;
    writeTemplate(texts, out);
    const PoFile file = PoFile::read(out.str());
    ASSERT_TRUE(file.problems.empty()) << file.problems[0].line << ": " << file.problems[0].message;
    EXPECT_EQ(file.headerField("Content-Type"), "text/plain; charset=UTF-8");
    ASSERT_EQ(file.messages.size(), texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        // The template is UTF-8; read back into Shift-JIS it is the text the game shows.
        EXPECT_EQ(utf8ToSjis(file.messages[i].id.text).sjis, texts[i].original);
        EXPECT_EQ(file.messages[i].references, texts[i].places);
        EXPECT_EQ(file.messages[i].translation(), "");
    }
}

TEST(GameTextsTest, WidthIsFourPixelsAByteOnTheWidestLineWithPlacesAsNames) {
    EXPECT_EQ(textLineWidth(""), 0);
    EXPECT_EQ(textLineWidth("Alto"), 16);
    EXPECT_EQ(textLineWidth("\x83\x41\x83\x8B"), 16);  // two full-width characters
    EXPECT_EQ(textLineWidth("ab\ncdef\nx"), 16);
    EXPECT_EQ(textLineWidth("%1$s hits!"), 40 + 24);
    EXPECT_EQ(textLineWidth("100%"), 16);
    EXPECT_EQ(numberedPlaces("%2$s uses %1$s"), 3u);
    EXPECT_EQ(numberedPlaces("%1$s and %1$s"), 1u);
    EXPECT_EQ(numberedPlaces("100% %s"), 0u);
}
