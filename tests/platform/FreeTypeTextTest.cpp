#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "gfx/DIBImage.h"
#include "platform/freetype/FreeTypeText.h"

namespace {

constexpr Pixel kInk = 0x00FFFFFF;

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
    void draw(const std::string& bytes, int x, int y) {
        text->drawText(screen, bytes, x, y, 128, 64, kInk);
    }

    // The ink of a w x h block at (x, y), one flag a pixel.
    std::vector<bool> ink(int x, int y, int w, int h = 8) const {
        std::vector<bool> flags;
        for (int py = y; py < y + h; ++py) {
            for (int px = x; px < x + w; ++px) {
                flags.push_back(screen.pixel(px, py) != 0);
            }
        }
        return flags;
    }

    int inkCount() const {
        const std::vector<bool> all = ink(0, 0, screen.width(), screen.height());
        return static_cast<int>(std::count(all.begin(), all.end(), true));
    }

    // The ink of one string drawn alone at (0, 0), as a w x 8 block.
    std::vector<bool> alone(const std::string& bytes, int w) {
        screen.resize(128, 64);
        draw(bytes, 0, 0);
        std::vector<bool> flags = ink(0, 0, w);
        screen.resize(128, 64);
        return flags;
    }

    std::unique_ptr<FreeTypeText> text;
    Image screen;
};

}  // namespace

TEST_F(FreeTypeTextTest, OneByteCharactersAdvanceFourAndTwoByteEight) {
    const auto a = alone("A", 4);
    const auto kana = alone("あ", 8);
    const auto halfKana = alone("ｱ", 4);
    ASSERT_EQ(std::string("ｱ").size(), 1u);
    draw("AAあｱA", 0, 0);
    EXPECT_EQ(ink(0, 0, 4), a);
    EXPECT_EQ(ink(4, 0, 4), a);
    EXPECT_EQ(ink(8, 0, 8), kana);
    EXPECT_EQ(ink(16, 0, 4), halfKana);
    EXPECT_EQ(ink(20, 0, 4), a);
    EXPECT_EQ(ink(24, 0, 40), std::vector<bool>(40 * 8, false));
}

TEST_F(FreeTypeTextTest, GlyphsFillTheirEightRowCellWithNothingCutOff) {
    for (const std::string c : {"A", "g", "_", "|", "あ", "漢", "「", "ギ", "ｱ"}) {
        screen.resize(128, 64);
        draw(c, 10, 10);
        const int total = inkCount();
        EXPECT_GT(total, 0) << c;
        const auto cell = ink(10, 10, static_cast<int>(c.size()) * 4);
        EXPECT_EQ(static_cast<int>(std::count(cell.begin(), cell.end(), true)), total)
            << "ink outside the cell of " << c;
    }
    // The tallest glyphs reach both the first and the last used row of the cell.
    screen.resize(128, 64);
    draw("|", 10, 10);
    EXPECT_NE(ink(10, 10, 4, 1), std::vector<bool>(4, false));
}

TEST_F(FreeTypeTextTest, DrawTextClipsToItsRectangleAndTheTargetClip) {
    Font font(text.get());
    DIBImage frame(256, 224);
    frame.selectFont(&font);
    const std::string ten = "ABCDEFGHIJ";
    drawText(frame, ten + "\r\n" + ten, 16, 20);  // 22 bytes: the second line is cut off
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

    // A rectangle that ends in the middle of a two-byte character shows its left half.
    std::vector<bool> half = alone("漢", 8);
    for (int y = 0; y < 8; ++y) {
        for (int x = 4; x < 8; ++x) {
            half[static_cast<std::size_t>(y * 8 + x)] = false;
        }
    }
    text->drawText(screen, "漢", 0, 0, 4, 8, kInk);
    EXPECT_EQ(ink(0, 0, 8), half);

    screen.resize(128, 64);
    screen.setClip(0, 0, 6, 4);
    draw("漢漢", 0, 0);
    const auto top = ink(0, 0, 128, 64);
    for (std::size_t i = 0; i < top.size(); ++i) {
        if (top[i]) {
            EXPECT_LT(i % 128, 6u);
            EXPECT_LT(i / 128, 4u);
        }
    }
}

TEST_F(FreeTypeTextTest, ColourTopByteIsDroppedAndBackgroundStays) {
    screen.fillRect(0x00ABCDEF, 0, 0, 128, 64);
    text->drawText(screen, "あ", 0, 0, 128, 64, 0xFF102030);
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

TEST_F(FreeTypeTextTest, LineBreaksStartTheNextLineEightPixelsLower) {
    const auto a = alone("A", 4);
    draw("xA\r\nA\rA\n\nA", 0, 0);
    EXPECT_EQ(ink(4, 0, 4), a);
    EXPECT_EQ(ink(0, 8, 4), a);  // CR LF counts once
    EXPECT_EQ(ink(0, 16, 4), a);
    EXPECT_EQ(ink(0, 24, 4, 8), std::vector<bool>(32, false));
    EXPECT_EQ(ink(0, 32, 4), a);
    // A zero byte ends the text.
    screen.resize(128, 64);
    draw(std::string("A\0A", 3), 0, 0);
    EXPECT_EQ(ink(4, 0, 4), std::vector<bool>(32, false));
}

TEST_F(FreeTypeTextTest, BrokenShiftJisDrawsAVisibleSubstitute) {
    const std::vector<bool> blank4(32, false);
    const auto a = alone("A", 4);
    // A lead byte at the very end.
    const auto lone = alone("\x82", 4);
    EXPECT_NE(lone, blank4);
    // A lead byte followed by a byte that cannot be its second: the box, then the byte itself.
    draw("\x82 A", 0, 0);
    EXPECT_EQ(ink(0, 0, 4), lone);
    EXPECT_EQ(ink(4, 0, 4), blank4);
    EXPECT_EQ(ink(8, 0, 4), a);
    // A well-formed pair with no character behind it, and a byte with none.
    const auto box = alone("\x85\x40", 8);
    EXPECT_NE(box, std::vector<bool>(64, false));
    // A character the font lacks (an extension kanji Misaki Gothic does not draw) looks the same.
    EXPECT_EQ(alone("\xED\x40", 8), box);
    EXPECT_NE(alone("\x80", 4), blank4);
    // A lead byte right before a line break leaves the break alone.
    draw("\x82\nA", 0, 0);
    EXPECT_EQ(ink(0, 8, 4), a);
}

TEST_F(FreeTypeTextTest, MissingFontIsReportedWithItsPath) {
    ::setenv("VK_FONT", "/nonexistent/folder/font.ttf", 1);
    std::string error;
    EXPECT_EQ(FreeTypeText::open(error), nullptr);
    EXPECT_NE(error.find("/nonexistent/folder/font.ttf"), std::string::npos) << error;
    EXPECT_NE(error.find("VK_FONT"), std::string::npos) << error;
    ::unsetenv("VK_FONT");

    error.clear();
    EXPECT_EQ(FreeTypeText::openFile("/nonexistent/misaki.ttf", error), nullptr);
    EXPECT_NE(error.find("/nonexistent/misaki.ttf"), std::string::npos) << error;
}
