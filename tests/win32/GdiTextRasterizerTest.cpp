#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SjisText.h"
#include "gfx/DIBImage.h"
#include "platform/win32/GdiTextRasterizer.h"

namespace {

constexpr Pixel kBackground = 0x12345678;

// Pixels of the picture that are no longer the background, and whether all of them lie in
// the rectangle (x0, y0)-(x1, y1).
int changedPixels(const Image& picture, int x0, int y0, int x1, int y1, bool& allInside) {
    int changed = 0;
    allInside = true;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (picture.pixel(x, y) != kBackground) {
                ++changed;
                allInside = allInside && x >= x0 && x < x1 && y >= y0 && y < y1;
            }
        }
    }
    return changed;
}

// A picture filled with a background no text colour equals, the game font selected.
struct TextTarget {
    TextTarget(GdiTextRasterizer& text, int width, int height)
        : font(&text), picture(width, height) {
        picture.fillRect(kBackground, 0, 0, width, height);
        picture.selectFont(&font);
    }

    int changedPixels(int x0, int y0, int x1, int y1, bool& allInside) const {
        return ::changedPixels(picture, x0, y0, x1, y1, allInside);
    }

    Font font;
    DIBImage picture;
};

}  // namespace

TEST(GdiTextRasterizer, ColourReferenceIgnoresTheTopByte) {
    EXPECT_EQ(GdiTextRasterizer::toColorRef(0xFF102030), RGB(0x10, 0x20, 0x30));
    EXPECT_EQ(GdiTextRasterizer::toColorRef(0x00102030), RGB(0x10, 0x20, 0x30));
    EXPECT_EQ(GdiTextRasterizer::toColorRef(0x00FF0000), 0x000000FFu);
}

TEST(GdiTextRasterizer, DrawsInTheTextColourOnlyInsideTheTextRectangle) {
    GdiTextRasterizer text;
    ASSERT_NE(text.font(), nullptr);
    // The face is found by its name under any ANSI code page.
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, text.font());
    wchar_t face[32] = {};
    GetTextFaceW(dc, 32, face);
    SelectObject(dc, previous);
    DeleteDC(dc);
    EXPECT_EQ(std::wstring(face), L"ＭＳ ゴシック");

    TextTarget target(text, 64, 40);
    target.picture.setTextColor(0xFF00FF00);
    // Ten bytes: the rectangle is (16, 20)-(56, 28); the glyphs reach its edges.
    drawText(target.picture, sjis("ＷＷＷＷＷ"), 16, 20);

    bool allInside = false;
    const int changed = target.changedPixels(16, 20, 56, 28, allInside);
    EXPECT_GT(changed, 20);
    EXPECT_TRUE(allInside);
    // Transparent background: glyph pixels take the colour (GDI leaves the top byte 0), the
    // gaps between strokes keep what was there.
    int gaps = 0;
    for (int y = 20; y < 28; ++y) {
        for (int x = 16; x < 56; ++x) {
            const Pixel p = target.picture.pixel(x, y);
            EXPECT_TRUE(p == kBackground || (p & 0xFFFFFF) == 0x00FF00) << x << "," << y;
            gaps += p == kBackground ? 1 : 0;
        }
    }
    EXPECT_GT(gaps, 0);
}

TEST(GdiTextRasterizer, KeepsToTheTargetsClipRectangleAndItsEdges) {
    GdiTextRasterizer text;
    TextTarget target(text, 64, 40);
    target.picture.setClip(20, 0, 30, 40);
    drawText(target.picture, sjis("ＷＷＷＷ"), 16, 4);
    bool allInside = false;
    EXPECT_GT(target.changedPixels(20, 4, 30, 12, allInside), 0);
    EXPECT_TRUE(allInside);

    // Text hanging over any edge of the picture changes nothing outside it and does not fail.
    TextTarget edges(text, 64, 40);
    drawText(edges.picture, sjis("ＷＷＷＷ"), -12, -4);
    drawText(edges.picture, sjis("ＷＷＷＷ"), 50, 36);
    EXPECT_GT(edges.changedPixels(0, 0, 64, 40, allInside), 0);
    drawText(edges.picture, sjis("ＷＷ"), 200, 200);  // entirely outside
}

TEST(GdiTextRasterizer, WorksOnTargetsOfDifferentSizesOneAfterAnother) {
    GdiTextRasterizer text;
    for (int size : {16, 300, 16}) {
        TextTarget target(text, size, size);
        drawText(target.picture, sjis("Ｗ"), 0, 0);
        bool allInside = false;
        EXPECT_GT(target.changedPixels(0, 0, 8, 8, allInside), 0) << size;
        EXPECT_TRUE(allInside) << size;
    }
}

// DrawTextA without DT_NOPREFIX would hide a '&' and underline the character after it; a
// modder's text shows as written: every '&' takes its 4-pixel cell and the next character
// stays where it belongs, drawn as it is alone.
TEST(GdiTextRasterizer, AmpersandIsDrawnAsWritten) {
    GdiTextRasterizer text;
    // The ink of each 4-pixel cell of row band 0..8.
    const auto cells = [](const DIBImage& picture, int count) {
        std::vector<std::vector<bool>> result;
        for (int c = 0; c < count; ++c) {
            std::vector<bool> cell;
            for (int y = 0; y < 8; ++y) {
                for (int x = c * 4; x < c * 4 + 4; ++x) {
                    cell.push_back(picture.pixel(x, y) != kBackground);
                }
            }
            result.push_back(cell);
        }
        return result;
    };
    TextTarget amp(text, 32, 8);
    drawText(amp.picture, "&", 0, 0);
    TextTarget b(text, 32, 8);
    drawText(b.picture, "B", 0, 0);
    TextTarget line(text, 32, 8);
    drawText(line.picture, "A&B&&", 0, 0);

    const auto ampCell = cells(amp.picture, 1)[0];
    const auto bCell = cells(b.picture, 1)[0];
    EXPECT_NE(ampCell, std::vector<bool>(32, false));
    const auto shown = cells(line.picture, 6);
    EXPECT_EQ(shown[1], ampCell);
    EXPECT_EQ(shown[2], bCell);  // not underlined, not moved into the '&' cell
    EXPECT_EQ(shown[3], ampCell);
    EXPECT_EQ(shown[4], ampCell);
    EXPECT_EQ(shown[5], std::vector<bool>(32, false));
}
