#include <gtest/gtest.h>

#include "SjisText.h"
#include "UiTestSupport.h"
#include "ui/InitMenu.h"
#include "ui/NameWindow.h"
#include "ui/OptionWindow.h"
#include "ui/TextWindow.h"

using namespace uitest;
using Lines = std::vector<std::string>;

namespace {

Lines cut(const char* text) {
    TextWindow window(0, 0, 64, 64, 0, 0, 0, 0, kBack, false);
    setText(window, text);
    return window.lines;
}

TEST(TextWindow, CutsTextAtRunsOfLineBreaks) {
    EXPECT_EQ(cut("A\nB"), (Lines{"A", "B"}));
    EXPECT_EQ(cut("A\n\nB"), (Lines{"A", "B"}));
    EXPECT_EQ(cut("A\r\n\r\n\rB\nC"), (Lines{"A", "B", "C"}));
    EXPECT_EQ(cut("\r\nA"), (Lines{"", "A"}));
    EXPECT_EQ(cut("A\r\n\n"), (Lines{"A"}));
    EXPECT_EQ(cut(""), (Lines{""}));
    EXPECT_EQ(cut(nullptr), (Lines{""}));
    EXPECT_EQ(cut(sjis("表示\nソ").c_str()),
              (Lines{sjis("表示"), sjis("ソ")}));  // second bytes 0x5C stay whole

    TextWindow window(0, 0, 64, 64, 0, 0, 0, 0, kBack, false);
    setText(window, "heading");
    window.appendText("body 1\nbody 2");
    EXPECT_EQ(window.lines, (Lines{"heading", "body 1", "body 2"}));
}

TEST(TextWindow, TurnsPagesWithinTheText) {
    TextWindow window(0, 0, 64, 64, 0, 0, 0, 0, kBack, false);
    setText(window, "0\n1\n2");
    EXPECT_FALSE(window.turnPage(0));
    EXPECT_EQ(window.firstLine, 0);
    EXPECT_TRUE(window.turnPage(1));
    EXPECT_TRUE(window.turnPage(1));
    EXPECT_FALSE(window.turnPage(1));
    EXPECT_EQ(window.firstLine, 2);
    EXPECT_TRUE(window.turnPage(0));
    EXPECT_EQ(window.firstLine, 1);

    window.linesPerPage = 2;
    setText(window, "0\n1\n2");
    EXPECT_TRUE(window.turnPage(1));
    EXPECT_FALSE(window.turnPage(1));
    EXPECT_EQ(window.firstLine, 2);
}

TEST(TextWindow, DrawsOnePageAndFollowsItsHeight) {
    Screen screen;
    TextWindow window(16, 56, 240, 104, 16, 16, 16, 0, kBack, true);
    window.draw(screen.target);
    EXPECT_EQ(window.bottom, 88);
    EXPECT_EQ(screen.at(16, 80), partColor(WindowPart::BorderBottomLeft));

    window.textColor = 0x102030;
    window.linesPerPage = 2;
    setText(window, "first\nsecond\nthird");
    window.draw(screen.target);
    EXPECT_EQ(window.bottom, 104);
    window.turnPage(1);
    window.draw(screen.target);
    EXPECT_EQ(screen.text.texts(), (Lines{"first", "second", "third"}));
    const auto& second = screen.text.calls[1];
    EXPECT_EQ(second.left, 32);
    EXPECT_EQ(second.top, 88);
    EXPECT_EQ(second.right, 32 + 6 * 4);
    EXPECT_EQ(second.colour, 0x102030u);
    EXPECT_EQ(screen.text.calls[2].top, 72);

    window.firstLine = -1;  // nothing, rather than a read before the first line
    window.draw(screen.target);
    EXPECT_EQ(screen.text.calls.size(), 3u);
}

TEST(NameWindow, ShowsFirstLineOnPlainFieldShiftedWhenLong) {
    Screen screen;
    NameWindow window(176, 8, 240, 32, 16, 8, 8, 8, kBack, false);
    setText(window, "ABCDEFGHIJ\nsecond");  // 10 bytes fit
    window.draw(screen.target);
    setText(window, "ABCDEFGHIJK");  // 11 bytes: 8 pixels further left
    window.draw(screen.target);
    ASSERT_EQ(screen.text.texts(), (Lines{"ABCDEFGHIJ", "ABCDEFGHIJK"}));
    EXPECT_EQ(screen.text.calls[0].left, 192);
    EXPECT_EQ(screen.text.calls[0].top, 16);
    EXPECT_EQ(screen.text.calls[1].left, 184);
    // Top and bottom edges are painted over between the corners; the sides stay.
    EXPECT_EQ(screen.at(184, 8), kBack);
    EXPECT_EQ(screen.at(231, 31), kBack);
    EXPECT_EQ(screen.at(183, 8), partColor(WindowPart::BorderTopLeft));
    EXPECT_EQ(screen.at(176, 16), partColor(WindowPart::BorderLeft));
}

// A menu whose root holds `count` entries "e0", "e1", ...
struct NumberedMenu : MenuManager {
    explicit NumberedMenu(int count) {
        for (int i = 0; i < count; ++i) {
            // Appended rather than "e" + to_string(i), which GCC 12 at -O3 takes for an
            // overlapping copy.
            std::string name = "e";
            name += std::to_string(i);
            entries.push_back(std::make_unique<MenuItem>(name, i));
            children.push_back(entries.back().get());
        }
    }
    std::vector<std::unique_ptr<MenuItem>> entries;
};

TEST(OptionWindow, PlacesEntriesBelowTextWithCursorLeftOfSelection) {
    Screen screen;
    InitMenu menu;
    OptionWindow window(16, 56, 240, 104, 16, 16, 16, 0, kBack, true);
    window.rows = 1;
    window.columns = 2;
    window.menu = &menu;
    setText(window, "");  // the empty line still takes its line height
    menu.moveCursor(1);
    window.draw(screen.target);
    EXPECT_EQ(window.bottom, 56 + 16 + 16 * 2);
    ASSERT_EQ(screen.text.texts(), (Lines{"", sjis("しょうぶする"), sjis("にげる")}));
    EXPECT_EQ(screen.text.calls[1].left, 40);
    EXPECT_EQ(screen.text.calls[1].top, 88);
    EXPECT_EQ(screen.text.calls[2].left, 136);
    EXPECT_EQ(screen.at(128, 88), partColor(WindowPart::Cursor));
    EXPECT_EQ(screen.at(135, 95), partColor(WindowPart::Cursor));
    EXPECT_NE(screen.at(32, 88), partColor(WindowPart::Cursor));
}

TEST(OptionWindow, ScrollsToKeepCursorRowVisible) {
    Screen screen;
    NumberedMenu menu(6);
    OptionWindow window(0, 0, 128, 128, 8, 8, 8, 8, kBack, false);
    window.linesPerPage = 0;
    window.columns = 2;
    window.menu = &menu;
    menu.moveCursor(5);
    window.draw(screen.target);
    EXPECT_EQ(window.firstRow, 1);
    EXPECT_EQ(screen.text.texts(), (Lines{"e2", "e3", "e4", "e5"}));
    EXPECT_EQ(screen.text.calls[0].top, 8);  // no text lines: entries start at the margin
    EXPECT_EQ(screen.text.calls[3].left, 16 + 56);
    EXPECT_EQ(screen.text.calls[3].top, 24);

    menu.moveCursor(-2);  // still visible: the scroll position stays
    window.draw(screen.target);
    EXPECT_EQ(window.firstRow, 1);
    menu.moveCursor(-3);
    screen.text.calls.clear();
    window.draw(screen.target);
    EXPECT_EQ(window.firstRow, 0);
    EXPECT_EQ(screen.text.texts(), (Lines{"e0", "e1", "e2", "e3"}));
}

TEST(OptionWindow, WithoutEntriesOrColumnsDrawsOnlyText) {
    Screen screen;
    NumberedMenu empty(0);
    NumberedMenu three(3);
    OptionWindow window(0, 0, 128, 64, 8, 8, 8, 8, kBack, false);
    setText(window, "q");
    window.draw(screen.target);
    window.menu = &empty;
    window.draw(screen.target);
    window.menu = &three;
    window.columns = 0;
    window.draw(screen.target);
    EXPECT_EQ(screen.text.texts(), (Lines{"q", "q", "q"}));
}

}  // namespace
