#include "text/PoFile.h"

#include <gtest/gtest.h>

#include <string>

// PO texts here are ASCII or UTF-8 byte escapes: the reader keeps bytes as written.

namespace {

const char* const kGoodFile = R"(# Translator's comment
msgid ""
msgstr ""
"Project-Id-Version: test\n"
"Content-Type: text/plain; charset=UTF-8\n"
"Plural-Forms: nplurals=2; plural=(n != 1);\n"

#. extracted comment
#: script.dat:12 src/text/Texts.def:40
msgid "Tab\there \"quoted\" back\\slash\101\x42"
msgstr "first line\n"
"second line"

msgctxt "menu"
msgid "Open"
msgstr "Ouvrir"

#, fuzzy, c-format
msgid "guess"
msgstr "a guess"
#: a.cpp:1
msgid "no blank line before"
msgstr ""
msgid "one apple"
msgid_plural "%d apples"
msgstr[0] "eine"
msgstr[1] "%d"
""

#~ msgid "gone"
#~ msgstr "weg"
#~| msgid "older"
)";

}  // namespace

TEST(PoFileTest, ReadsHeaderEscapesContextsFlagsPluralsAndObsoleteEntries) {
    const PoFile file = PoFile::read(kGoodFile);
    ASSERT_TRUE(file.problems.empty()) << file.problems[0].line << file.problems[0].message;
    ASSERT_TRUE(file.hasHeader);
    EXPECT_EQ(file.headerField("Content-Type"), "text/plain; charset=UTF-8");
    EXPECT_EQ(file.headerField("Project-Id-Version"), "test");
    EXPECT_EQ(file.headerField("Language"), "");
    ASSERT_EQ(file.messages.size(), 6u);

    const PoMessage& escaped = file.messages[0];
    EXPECT_EQ(escaped.id.text, "Tab\there \"quoted\" back\\slashAB");
    EXPECT_EQ(escaped.translation(), "first line\nsecond line");
    EXPECT_EQ(escaped.line, 8);
    EXPECT_EQ(escaped.id.line, 10);
    EXPECT_EQ(escaped.references,
              (std::vector<std::string>{"script.dat:12", "src/text/Texts.def:40"}));
    // Each piece of a string keeps its line, for reports of what is wrong inside it.
    EXPECT_EQ(escaped.strings[0].lineAt(0), 11);
    EXPECT_EQ(escaped.strings[0].lineAt(11), 12);
    EXPECT_FALSE(escaped.fuzzy || escaped.obsolete || escaped.hasContext);

    EXPECT_TRUE(file.messages[1].hasContext);
    EXPECT_EQ(file.messages[1].context.text, "menu");
    EXPECT_EQ(file.messages[1].translation(), "Ouvrir");
    EXPECT_TRUE(file.messages[2].fuzzy);
    EXPECT_EQ(file.messages[3].id.text, "no blank line before");
    EXPECT_EQ(file.messages[3].references, std::vector<std::string>{"a.cpp:1"});
    EXPECT_EQ(file.messages[3].translation(), "");
    EXPECT_FALSE(file.messages[3].fuzzy);

    const PoMessage& plural = file.messages[4];
    EXPECT_TRUE(plural.hasPlural);
    EXPECT_EQ(plural.idPlural.text, "%d apples");
    ASSERT_EQ(plural.strings.size(), 2u);
    EXPECT_EQ(plural.strings[1].text, "%d");

    EXPECT_TRUE(file.messages[5].obsolete);
    EXPECT_EQ(file.messages[5].translation(), "weg");
}

TEST(PoFileTest, ToleratesCrLfByteOrderMarkAndNoFinalLineFeed) {
    const PoFile file = PoFile::read("\xEF\xBB\xBFmsgid \"a\"\r\nmsgstr \"b\"");
    ASSERT_TRUE(file.problems.empty());
    ASSERT_EQ(file.messages.size(), 1u);
    EXPECT_EQ(file.messages[0].translation(), "b");
    EXPECT_FALSE(file.hasHeader);
}

TEST(PoFileTest, MalformedEntriesAreReportedWithTheirLineAndSkipped) {
    struct Case {
        std::string broken;  // lines 1-2 are a good entry, the broken one starts on line 4
        int line;
        std::string message;
    };
    const Case cases[] = {
        {"msgid \"x\"\nmsgstr \"unterminated\n", 5, "the string has no closing quote"},
        {"msgid \"x\"\nmsgstr \"bad \\q escape\"\n", 5, "unknown escape \\q"},
        {"msgid \"x\"\nmsgstr \"a\" junk\n", 5, "text after the closing quote"},
        {"msgid x\nmsgstr \"\"\n", 4, "a string must start with a quote"},
        {"msgstr \"no id\"\n", 4, "a msgstr without msgid"},
        {"\"loose string\"\n", 4, "a string outside any keyword"},
        {"msgid \"x\"\n", 4, "an entry without msgstr"},
        {"msgid \"x\"\nmsgid \"y\"\nmsgstr \"\"\n", 5, "msgid where a msgstr was expected"},
        {"msgid \"x\"\nmsgstr \"a\"\nmsgstr \"b\"\n", 6, "a second msgstr"},
        {"msgid \"x\"\nmsgstr[0] \"a\"\n", 5, "msgstr[N] in an entry without msgid_plural"},
        {"msgid \"x\"\nmsgid_plural \"xs\"\nmsgstr \"a\"\n", 6,
         "a plural entry needs msgstr[0], msgstr[1]..."},
        {"msgid \"x\"\nmsgid_plural \"xs\"\nmsgstr[1] \"a\"\n", 6, "expected msgstr[0]"},
        {"msgid \"x\"\nmsgstr \"a\"\nmsgid_plural \"xs\"\n", 6, "msgid_plural out of place"},
        {"msgid \"x\"\nmsgtxt \"a\"\n", 5, "unknown keyword msgtxt"},
        {"msgid \"good\"\nmsgstr \"again\"\n", 4, "the msgid of an earlier entry again"},
        {"msgid \"\"\nmsgstr \"Language: de\\n\"\n\nmsgid \"\"\nmsgstr \"\"\n", 7,
         "a second header"},
    };
    for (const Case& c : cases) {
        const std::string text = "msgid \"good\"\nmsgstr \"gut\"\n\n" + c.broken +
                                 "\nmsgid \"after\"\nmsgstr \"danach\"\n";
        const PoFile file = PoFile::read(text);
        ASSERT_EQ(file.problems.size(), 1u) << c.message;
        EXPECT_EQ(file.problems[0].line, c.line) << c.message;
        EXPECT_EQ(file.problems[0].message, c.message);
        // The entries around the broken one are read all the same.
        ASSERT_GE(file.messages.size(), 2u) << c.message;
        EXPECT_EQ(file.messages.front().translation(), "gut");
        EXPECT_EQ(file.messages.back().translation(), "danach") << c.message;
    }
}

TEST(PoFileTest, LimitsAreCheckedBeforeAnythingGrows) {
    const PoFile huge = PoFile::read(std::string(PoFile::kMaxFileBytes + 1, '#'));
    ASSERT_EQ(huge.problems.size(), 1u);
    EXPECT_TRUE(huge.messages.empty());

    std::string longString = "msgid \"x\"\nmsgstr \"\"\n";
    const std::string piece = "\"" + std::string(1000, 'a') + "\"\n";
    for (std::size_t bytes = 0; bytes <= PoFile::kMaxStringBytes; bytes += 1000) {
        longString += piece;
    }
    const PoFile tooLong = PoFile::read(longString);
    ASSERT_EQ(tooLong.problems.size(), 1u);
    EXPECT_EQ(tooLong.problems[0].line, 3 + static_cast<int>(PoFile::kMaxStringBytes / 1000));
    EXPECT_TRUE(tooLong.messages.empty());

    std::string plurals = "msgid \"x\"\nmsgid_plural \"xs\"\n";
    for (std::size_t i = 0; i <= PoFile::kMaxPluralForms; ++i) {
        plurals += "msgstr[" + std::to_string(i) + "] \"\"\n";
    }
    const PoFile tooManyForms = PoFile::read(plurals);
    ASSERT_EQ(tooManyForms.problems.size(), 1u);
    EXPECT_EQ(tooManyForms.problems[0].line, 3 + static_cast<int>(PoFile::kMaxPluralForms));

    std::string broken;
    for (std::size_t i = 0; i < PoFile::kMaxProblems + 10; ++i) {
        broken += "msgstr \"\"\n\n";
    }
    EXPECT_EQ(PoFile::read(broken).problems.size(), PoFile::kMaxProblems);
}

TEST(PoFileTest, QuotingUndoesUnquoting) {
    const std::string text = "a \"b\" \\ c\nd\te\r\x01\x7F \xE3\x81\x82";
    const std::string quoted = quotePoString(text);
    EXPECT_EQ(quoted.find('\n'), std::string::npos);
    std::string error;
    EXPECT_EQ(unquotePoString(quoted, error), text) << error;
}
