#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "SjisText.h"
#include "gfx/DIBImage.h"
#include "platform/freetype/FreeTypeText.h"

namespace {

using Ink = std::vector<bool>;

class FreeTypeTextTest : public ::testing::Test {
protected:
    void SetUp() override {
        ::unsetenv("VK_FONT");
        std::string error;
        text = FreeTypeText::open(error);
        ASSERT_NE(text, nullptr) << error;
        screen.resize(128, 64);
    }

    // Draws with a rectangle far larger than the text, so only the glyphs limit the ink.
    void draw(const std::string& bytes, int x = 0, int y = 0) {
        text->drawText(screen, bytes, x, y, 128, 64, 0xFFFFFF);
    }

    // One flag a pixel of the w x h block at (x, y).
    Ink ink(int x, int y, int w, int h = 8) const {
        Ink flags;
        for (int py = y; py < y + h; ++py) {
            for (int px = x; px < x + w; ++px) {
                flags.push_back(screen.pixel(px, py) != 0);
            }
        }
        return flags;
    }

    int inkCount() const {
        const Ink all = ink(0, 0, screen.width(), screen.height());
        return static_cast<int>(std::count(all.begin(), all.end(), true));
    }

    // The ink of one string drawn alone at (0, 0) on a blank screen, as a w x 8 block.
    Ink alone(const std::string& bytes, int w) {
        screen.resize(128, 64);
        draw(bytes);
        const Ink flags = ink(0, 0, w);
        screen.resize(128, 64);
        return flags;
    }

    std::unique_ptr<FreeTypeText> text;
    Image screen;
};

}  // namespace

TEST_F(FreeTypeTextTest, CharactersAdvancePerByteAndFillTheirCell) {
    const Ink a = alone("A", 4), kana = alone(sjis("あ"), 8), halfKana = alone(sjis("ｱ"), 4);
    draw(sjis("AあｱA"));
    EXPECT_EQ(ink(0, 0, 4), a);
    EXPECT_EQ(ink(4, 0, 8), kana);
    EXPECT_EQ(ink(12, 0, 4), halfKana);
    EXPECT_EQ(ink(16, 0, 4), a);
    EXPECT_EQ(ink(20, 0, 40), Ink(40 * 8, false));

    // Every glyph stays inside rows y..y+7 of its cell, nothing cut off.
    for (const std::string& c : std::initializer_list<std::string>{
             "A", "g", "_", "|", sjis("あ"), sjis("漢"), sjis("「"), sjis("ギ"), sjis("ｱ")}) {
        screen.resize(128, 64);
        draw(c, 10, 10);
        const Ink cell = ink(10, 10, static_cast<int>(c.size()) * 4);
        EXPECT_GT(inkCount(), 0) << c;
        EXPECT_EQ(std::count(cell.begin(), cell.end(), true), inkCount()) << c;
    }
}

TEST_F(FreeTypeTextTest, DrawTextClipsToItsRectangleAndTheTargetClip) {
    Font font(text.get());
    DIBImage frame(256, 224);
    frame.selectFont(&font);
    drawText(frame, "ABCDEFGHIJ\r\nABCDEFGHIJ", 16, 20);  // the second line is below the box
    int inside = 0;
    for (int y = 0; y < 224; ++y) {
        for (int x = 0; x < 256; ++x) {
            if (frame.pixel(x, y) != 0) {
                ASSERT_TRUE(x >= 16 && x < 104 && y >= 20 && y < 28) << x << "," << y;
                ++inside;
            }
        }
    }
    EXPECT_GT(inside, 0);

    // A rectangle ending in the middle of a two-byte character shows its left half.
    Ink half = alone(sjis("漢"), 8);
    for (std::size_t i = 0; i < half.size(); ++i) {
        half[i] = half[i] && i % 8 < 4;
    }
    text->drawText(screen, sjis("漢"), 0, 0, 4, 8, 0xFFFFFF);
    EXPECT_EQ(ink(0, 0, 8), half);

    screen.resize(128, 64);
    screen.setClip(0, 0, 6, 4);
    draw(sjis("漢漢"));
    const Ink corner = ink(0, 0, 6, 4);
    EXPECT_GT(inkCount(), 0);
    EXPECT_EQ(std::count(corner.begin(), corner.end(), true), inkCount());
}

TEST_F(FreeTypeTextTest, ClippingAtEveryColumnKeepsExactlyTheGlyphPixelsInside) {
    // A wide and a narrow glyph, cut at each column: on the right by the text's rectangle, on
    // the left by the target's clip. What is drawn is the unclipped glyph's ink inside the
    // kept columns, no more and no less.
    for (const std::string c : {"\x8A\xBF", "\x82\xA0", "W"}) {  // 漢, あ, W
        const int w = static_cast<int>(c.size()) * 4;
        const Ink whole = alone(c, w);
        const auto keep = [&](int from, int to) {
            Ink kept = whole;
            for (std::size_t i = 0; i < kept.size(); ++i) {
                const int x = static_cast<int>(i) % w;
                kept[i] = kept[i] && x >= from && x < to;
            }
            return kept;
        };
        for (int cut = 0; cut <= w; ++cut) {
            screen.resize(128, 64);
            text->drawText(screen, c, 0, 0, cut, 8, 0xFFFFFF);
            EXPECT_EQ(ink(0, 0, w), keep(0, cut)) << c << " right of " << cut;

            screen.resize(128, 64);
            screen.setClip(cut, 0, 128, 64);
            draw(c);
            EXPECT_EQ(ink(0, 0, w), keep(cut, w)) << c << " left of " << cut;
            EXPECT_EQ(ink(w, 0, 8), Ink(64, false));
        }
    }
}

TEST_F(FreeTypeTextTest, ColourTopByteIsDroppedAndTheBackgroundStays) {
    screen.fillRect(0x00ABCDEF, 0, 0, 128, 64);
    text->drawText(screen, sjis("あ"), 0, 0, 128, 64, 0xFF102030);
    int inked = 0;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 128; ++x) {
            const Pixel p = screen.pixel(x, y);
            ASSERT_TRUE(p == 0x00102030 || p == 0x00ABCDEF) << std::hex << p;
            inked += p == 0x00102030 ? 1 : 0;
        }
    }
    EXPECT_GT(inked, 0);
}

TEST_F(FreeTypeTextTest, LineBreaksAndTheEndOfTheText) {
    const Ink a = alone("A", 4);
    draw("xA\r\nA\rA\n\nA");
    EXPECT_EQ(ink(4, 0, 4), a);
    EXPECT_EQ(ink(0, 8, 4), a);  // CR LF counts once
    EXPECT_EQ(ink(0, 16, 4), a);
    EXPECT_EQ(ink(0, 24, 4), Ink(32, false));
    EXPECT_EQ(ink(0, 32, 4), a);
    screen.resize(128, 64);
    draw(std::string("A\0A", 3));  // a zero byte ends the text
    EXPECT_EQ(ink(4, 0, 4), Ink(32, false));
}

TEST_F(FreeTypeTextTest, BrokenShiftJisDrawsAVisibleSubstitute) {
    const Ink a = alone("A", 4), blank(32, false);
    const Ink lone = alone("\x82", 4);  // a lead byte at the very end
    EXPECT_NE(lone, blank);
    draw("\x82 A");  // a lead byte whose next byte cannot follow it: box, then that byte
    EXPECT_EQ(ink(0, 0, 4), lone);
    EXPECT_EQ(ink(4, 0, 4), blank);
    EXPECT_EQ(ink(8, 0, 4), a);
    screen.resize(128, 64);
    draw("\x82\nA");
    EXPECT_EQ(ink(0, 8, 4), a);

    // A pair with no character behind it, a byte with none, a character the font lacks
    // (an extension kanji that Misaki Gothic does not draw).
    const Ink box = alone("\x85\x40", 8);
    EXPECT_NE(box, Ink(64, false));
    EXPECT_EQ(alone("\xED\x40", 8), box);
    EXPECT_NE(alone("\x80", 4), blank);
}

TEST_F(FreeTypeTextTest, MissingFontIsReportedWithItsPath) {
    ::setenv("VK_FONT", "/nonexistent/folder/font.ttf", 1);
    std::string error;
    EXPECT_EQ(FreeTypeText::open(error), nullptr);
    EXPECT_NE(error.find("/nonexistent/folder/font.ttf"), std::string::npos) << error;
    EXPECT_NE(error.find("VK_FONT"), std::string::npos) << error;
    ::unsetenv("VK_FONT");
}

// A modder's '&' is text like any other character: drawn in its own cell, and the character
// after it drawn plainly where it belongs (no underline mark, nothing shifted).
TEST_F(FreeTypeTextTest, AmpersandIsDrawnAsWritten) {
    const Ink amp = alone("&", 4), b = alone("B", 4);
    ASSERT_NE(amp, Ink(4 * 8, false));
    draw("A&B&&");
    EXPECT_EQ(ink(4, 0, 4), amp);
    EXPECT_EQ(ink(8, 0, 4), b);
    EXPECT_EQ(ink(12, 0, 4), amp);
    EXPECT_EQ(ink(16, 0, 4), amp);
    EXPECT_EQ(ink(20, 0, 40), Ink(40 * 8, false));
}
