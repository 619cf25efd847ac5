#include "text/Translation.h"

#include <gtest/gtest.h>

#include <string>

#include "text/Catalogue.h"

// U+30A2 U+30EB U+30C8 (katakana "a-ru-to") in UTF-8, and its Shift-JIS form.
#define ALTO_UTF8 "\xE3\x82\xA2\xE3\x83\xAB\xE3\x83\x88"
#define ALTO_SJIS "\x83\x41\x83\x8B\x83\x67"
// U+3042 (hiragana a)
#define A_UTF8 "\xE3\x81\x82"
#define A_SJIS "\x82\xA0"

TEST(TranslationTest, OnlyPlainTranslatedEntriesTranslate) {
    const Translation translation = Translation::fromPo(
        "msgid \"\"\n"
        "msgstr \"Content-Type: text/plain; charset=utf-8\\n\"\n"
        "\n"
        "msgid \"" ALTO_UTF8
        "\"\n"
        "msgstr \"Alto\"\n"
        "\n"
        "msgid \"" ALTO_UTF8 A_UTF8 "\\n" A_UTF8
        "\"\n"
        "msgstr \"Alto\\n\" \"" A_UTF8
        "!\"\n"
        "\n"
        "#, fuzzy\n"
        "msgid \"" A_UTF8
        "\"\n"
        "msgstr \"guess\"\n"
        "\n"
        "msgctxt \"menu\"\n"
        "msgid \"" A_UTF8 A_UTF8
        "\"\n"
        "msgstr \"in a context\"\n"
        "\n"
        "msgid \"x\"\n"
        "msgstr \"\"\n"
        "\n"
        "#~ msgid \"y\"\n"
        "#~ msgstr \"obsolete\"\n");
    EXPECT_TRUE(translation.problems().empty());
    EXPECT_EQ(translation.entries().size(), 2u);
    ASSERT_NE(translation.find(ALTO_SJIS), nullptr);
    EXPECT_EQ(*translation.find(ALTO_SJIS), "Alto");
    EXPECT_EQ(translation.entries().at(ALTO_SJIS).line, 5);
    // Line breaks and Shift-JIS on both sides, the translation converted too.
    EXPECT_EQ(translation.translate(ALTO_SJIS A_SJIS "\n" A_SJIS), "Alto\n" A_SJIS "!");
    for (const char* untranslated : {A_SJIS, A_SJIS A_SJIS, "x", "y", "unknown"}) {
        EXPECT_EQ(translation.find(untranslated), nullptr) << untranslated;
        EXPECT_EQ(translation.translate(untranslated), untranslated);
    }
}

TEST(TranslationTest, ProblemsNameTheLineOfTheFaultyCharacter) {
    const Translation translation = Translation::fromPo(
        "msgid \"\"\n"
        "msgstr \"Content-Type: text/plain; charset=ISO-8859-1\\n\"\n"
        "\n"
        "msgid \"" A_UTF8
        "\"\n"
        "msgstr \"\"\n"
        "\"Caf\xC3\xA9\"\n"  // no Shift-JIS form, on line 6
        "\n"
        "msgid \"bad\xED\xA0\x80\"\n"  // a surrogate: malformed UTF-8, line 8
        "msgstr \"x\"\n"
        "\n"
        "msgid \"broken\n"  // line 11
        "msgstr \"x\"\n"
        "\n"
        "msgid \"" ALTO_UTF8
        "\"\n"
        "msgstr \"Alto\"\n");
    ASSERT_EQ(translation.problems().size(), 4u);
    EXPECT_EQ(translation.problems()[0].line, 1);
    EXPECT_NE(translation.problems()[0].message.find("iso-8859-1"), std::string::npos);
    EXPECT_EQ(translation.problems()[1].line, 6);
    EXPECT_EQ(translation.problems()[1].message, "msgstr: U+00E9 at byte 3 has no Shift-JIS form");
    EXPECT_EQ(translation.problems()[2].line, 8);
    EXPECT_EQ(translation.problems()[2].message, "msgid: malformed UTF-8 at byte 3");
    EXPECT_EQ(translation.problems()[3].line, 11);
    // The good entry translates all the same; the faulty ones do not.
    EXPECT_EQ(translation.translate(ALTO_SJIS), "Alto");
    EXPECT_EQ(translation.translate(A_SJIS), A_SJIS);
    EXPECT_EQ(translation.entries().size(), 1u);
}

TEST(TranslationTest, CatalogueTakesTranslationsWithTheirPlacesInAnotherOrder) {
    const CatalogueEntry& art = catalogueEntry(TextId::LineArt);
    const Translation translation = Translation::fromPo("msgid \"" + std::string(art.utf8) +
                                                        "\"\n"
                                                        "msgstr \"%2$s, used by %1$s!\"\n");
    ASSERT_TRUE(translation.problems().empty());
    translation.applyToCatalogue();
    EXPECT_EQ(formatText(TextId::LineArt, {"Alto", "Fire"}), "Fire, used by Alto!");
    // A text the translation lacks shows the original.
    EXPECT_EQ(text(TextId::MenuYes), catalogueEntry(TextId::MenuYes).original);

    Translation().applyToCatalogue();
    EXPECT_EQ(text(TextId::LineArt), art.original);
}
