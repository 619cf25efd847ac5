#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "ui/NameWindow.h"
#include "ui/TextWindow.h"

using uitest::Screen;

namespace {

constexpr Pixel kBack = 0xFFBF9F;

std::vector<std::string> cut(const char* text) {
    TextWindow window(0, 0, 64, 64, 0, 0, 0, 0, kBack, false);
    setText(window, text);
    return window.lines;
}

using Lines = std::vector<std::string>;

TEST(TextWindow, CutsTextAtRunsOfLineBreaks) {
    EXPECT_EQ(cut("A\nB"), (Lines{"A", "B"}));
    EXPECT_EQ(cut("A\n\nB"), (Lines{"A", "B"}));
    EXPECT_EQ(cut("A\r\nB"), (Lines{"A", "B"}));
    EXPECT_EQ(cut("A\r\n\r\n\rB\nC"), (Lines{"A", "B", "C"}));
    EXPECT_EQ(cut("\nA"), (Lines{"", "A"}));
    EXPECT_EQ(cut("\r\n\nA"), (Lines{"", "A"}));
    EXPECT_EQ(cut("A\n"), (Lines{"A"}));
    EXPECT_EQ(cut("A\r\n\n"), (Lines{"A"}));
    EXPECT_EQ(cut(""), (Lines{""}));
    EXPECT_EQ(cut(nullptr), (Lines{""}));
    EXPECT_EQ(cut("\n"), (Lines{""}));
    // Two-byte characters whose second byte looks like ASCII stay whole.
    EXPECT_EQ(cut("表示\nソ"), (Lines{"表示", "ソ"}));
}

TEST(TextWindow, SetTextReplacesAndAppendTextAdds) {
    TextWindow window(0, 0, 64, 64, 0, 0, 0, 0, kBack, false);
    setText(window, "one\ntwo\nthree");
    window.turnPage(1);
    setText(window, "heading");
    EXPECT_EQ(window.lines, (Lines{"heading"}));
    EXPECT_EQ(window.firstLine, 0);
    window.turnPage(0);
    window.appendText("body 1\nbody 2");
    EXPECT_EQ(window.lines, (Lines{"heading", "body 1", "body 2"}));
}

TEST(TextWindow, SetTextResetsThePageThroughTheSubclass) {
    struct CountingWindow : TextWindow {
        using TextWindow::TextWindow;
        void resetPage() override {
            ++resets;
            TextWindow::resetPage();
        }
        int resets = 0;
    };
    CountingWindow window(0, 0, 64, 64, 0, 0, 0, 0, kBack, false);
    setText(window, "x");
    EXPECT_EQ(window.resets, 1);
}

TEST(TextWindow, TurnsPagesForwardAndBackWithinTheText) {
    TextWindow window(0, 0, 64, 64, 0, 0, 0, 0, kBack, false);
    setText(window, "0\n1\n2");
    EXPECT_TRUE(window.turnPage(1));
    EXPECT_EQ(window.firstLine, 1);
    EXPECT_TRUE(window.turnPage(1));
    EXPECT_EQ(window.firstLine, 2);
    EXPECT_FALSE(window.turnPage(1));
    EXPECT_EQ(window.firstLine, 2);
    EXPECT_TRUE(window.turnPage(0));
    EXPECT_EQ(window.firstLine, 1);

    window.linesPerPage = 2;
    window.resetPage();
    EXPECT_FALSE(window.turnPage(0));
    EXPECT_EQ(window.firstLine, 0);
    EXPECT_TRUE(window.turnPage(1));
    EXPECT_EQ(window.firstLine, 2);
    EXPECT_FALSE(window.turnPage(1));
    EXPECT_EQ(window.firstLine, 2);
    EXPECT_TRUE(window.turnPage(0));
    EXPECT_EQ(window.firstLine, 0);
}

TEST(TextWindow, DrawsOnePageFromTheContentOrigin) {
    Screen screen;
    TextWindow window(16, 56, 240, 104, 16, 16, 16, 0, kBack, true);
    window.textColor = 0x102030;
    window.linesPerPage = 2;
    setText(window, "first\nsecond\nthird");
    window.turnPage(1);
    window.draw(screen.target);

    EXPECT_EQ(window.bottom, 104);
    ASSERT_EQ(screen.text.calls.size(), 1u);  // "third" alone on the last page
    const auto& call = screen.text.calls[0];
    EXPECT_EQ(call.text, "third");
    EXPECT_EQ(call.left, 32);
    EXPECT_EQ(call.top, 72);
    EXPECT_EQ(call.right, 32 + 5 * 4);
    EXPECT_EQ(call.colour, 0x102030u);

    screen.text.calls.clear();
    window.resetPage();
    window.draw(screen.target);
    ASSERT_EQ(screen.text.calls.size(), 2u);
    EXPECT_EQ(screen.text.calls[1].text, "second");
    EXPECT_EQ(screen.text.calls[1].top, 88);
}

TEST(TextWindow, AutoHeightFollowsLinesPerPage) {
    Screen screen;
    TextWindow window(16, 56, 240, 104, 16, 16, 16, 0, kBack, true);
    window.draw(screen.target);
    EXPECT_EQ(window.bottom, 88);
    EXPECT_EQ(screen.at(16, 80), uitest::partColor(WindowPart::BorderBottomLeft));
    window.linesPerPage = 2;
    window.draw(screen.target);
    EXPECT_EQ(window.bottom, 104);

    TextWindow fixed(16, 56, 240, 104, 16, 16, 16, 0, kBack, false);
    fixed.draw(screen.target);
    EXPECT_EQ(fixed.bottom, 104);
}

TEST(TextWindow, NegativeFirstLineDrawsNothing) {
    Screen screen;
    TextWindow window(0, 0, 64, 64, 0, 0, 0, 0, kBack, false);
    setText(window, "a\nb");
    window.firstLine = -1;
    window.draw(screen.target);
    EXPECT_TRUE(screen.text.calls.empty());
}

TEST(NameWindow, ShowsFirstLineOnPlainFieldShiftedWhenLong) {
    Screen screen;
    NameWindow window(176, 8, 240, 32, 16, 8, 8, 8, kBack, false);
    setText(window, "ABCDEFGHIJ\nsecond");  // 10 bytes: fits
    window.draw(screen.target);
    ASSERT_EQ(screen.text.calls.size(), 1u);
    EXPECT_EQ(screen.text.calls[0].left, 192);
    EXPECT_EQ(screen.text.calls[0].top, 16);
    // The top and bottom edges are painted over between the corners; the sides stay.
    EXPECT_EQ(screen.at(184, 8), kBack);
    EXPECT_EQ(screen.at(231, 31), kBack);
    EXPECT_EQ(screen.at(183, 8), uitest::partColor(WindowPart::BorderTopLeft));
    EXPECT_EQ(screen.at(232, 31), uitest::partColor(WindowPart::BorderBottomRight));
    EXPECT_EQ(screen.at(176, 16), uitest::partColor(WindowPart::BorderLeft));

    screen.text.calls.clear();
    setText(window, "ABCDEFGHIJK");  // 11 bytes: 8 pixels further left
    window.draw(screen.target);
    ASSERT_EQ(screen.text.calls.size(), 1u);
    EXPECT_EQ(screen.text.calls[0].left, 184);
}

}  // namespace
