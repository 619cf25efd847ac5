#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "ui/InitMenu.h"
#include "ui/OptionWindow.h"

using uitest::partColor;
using uitest::Screen;

namespace {

constexpr Pixel kBack = 0xFFBF9F;

// A menu whose root holds `count` entries labelled "e0", "e1", ...
struct NumberedMenu : MenuManager {
    explicit NumberedMenu(int count) {
        for (int i = 0; i < count; ++i) {
            entries.push_back(std::make_unique<MenuItem>("e" + std::to_string(i), i));
            children.push_back(entries.back().get());
        }
    }
    std::vector<std::unique_ptr<MenuItem>> entries;
};

std::vector<std::string> drawnTexts(const Screen& screen) {
    std::vector<std::string> texts;
    for (const auto& call : screen.text.calls) {
        texts.push_back(call.text);
    }
    return texts;
}

TEST(OptionWindow, LaysOutTwoColumnsWithCursorLeftOfSelection) {
    Screen screen;
    InitMenu menu;
    OptionWindow window(16, 56, 240, 104, 16, 16, 16, 0, kBack, true);
    window.rows = 1;
    window.columns = 2;
    window.linesPerPage = 1;
    window.menu = &menu;
    setText(window, "");
    menu.moveCursor(1);
    window.draw(screen.target);

    // The empty line takes one line height; the entries follow it.
    ASSERT_EQ(screen.text.calls.size(), 3u);
    EXPECT_EQ(screen.text.calls[1].text, "しょうぶする");
    EXPECT_EQ(screen.text.calls[1].left, 16 + 24);
    EXPECT_EQ(screen.text.calls[1].top, 88);
    EXPECT_EQ(screen.text.calls[2].text, "にげる");
    EXPECT_EQ(screen.text.calls[2].left, 16 + 120);
    EXPECT_EQ(screen.at(16 + 112, 88), partColor(WindowPart::Cursor));
    EXPECT_EQ(screen.at(16 + 119, 95), partColor(WindowPart::Cursor));
    EXPECT_NE(screen.at(16 + 16, 88), partColor(WindowPart::Cursor));
    EXPECT_EQ(window.bottom, 56 + 16 + 16 * 2);
}

TEST(OptionWindow, ScrollsToKeepCursorRowVisible) {
    Screen screen;
    NumberedMenu menu(6);
    OptionWindow window(0, 0, 128, 128, 8, 8, 8, 8, kBack, false);
    window.linesPerPage = 0;
    window.rows = 2;
    window.columns = 2;
    window.menu = &menu;

    menu.moveCursor(5);
    window.draw(screen.target);
    EXPECT_EQ(window.firstRow, 1);
    EXPECT_EQ(drawnTexts(screen), (std::vector<std::string>{"e2", "e3", "e4", "e5"}));
    EXPECT_EQ(screen.text.calls[0].top, 8);  // no text lines: entries start at the margin
    EXPECT_EQ(screen.text.calls[0].left, 16);
    EXPECT_EQ(screen.text.calls[3].left, 16 + 56);
    EXPECT_EQ(screen.text.calls[3].top, 24);

    // The scroll position stays while the cursor is visible.
    menu.moveCursor(-2);
    screen.text.calls.clear();
    window.draw(screen.target);
    EXPECT_EQ(window.firstRow, 1);

    menu.moveCursor(-5);
    screen.text.calls.clear();
    window.draw(screen.target);
    EXPECT_EQ(window.firstRow, 0);
    EXPECT_EQ(drawnTexts(screen), (std::vector<std::string>{"e0", "e1", "e2", "e3"}));
}

TEST(OptionWindow, DrawsOnlyTextWithoutMenuOrEntries) {
    Screen screen;
    NumberedMenu empty(0);
    OptionWindow window(0, 0, 128, 64, 8, 8, 8, 8, kBack, false);
    setText(window, "question");
    window.draw(screen.target);
    window.menu = &empty;
    window.draw(screen.target);
    EXPECT_EQ(drawnTexts(screen), (std::vector<std::string>{"question", "question"}));
}

TEST(OptionWindow, ZeroColumnsDrawsNoGrid) {
    Screen screen;
    NumberedMenu menu(3);
    OptionWindow window(0, 0, 128, 64, 8, 8, 8, 8, kBack, false);
    window.linesPerPage = 0;
    window.columns = 0;
    window.menu = &menu;
    window.draw(screen.target);
    EXPECT_TRUE(screen.text.calls.empty());
}

TEST(OptionWindow, ShowsTheOpenSubmenu) {
    Screen screen;
    NumberedMenu menu(2);
    MenuItem sub1("sub", 7);
    menu.entries[1]->children.push_back(&sub1);
    OptionWindow window(0, 0, 128, 64, 8, 8, 8, 8, kBack, false);
    window.linesPerPage = 0;
    window.menu = &menu;
    menu.moveCursor(1);
    ASSERT_TRUE(menu.enter());
    window.draw(screen.target);
    EXPECT_EQ(drawnTexts(screen), (std::vector<std::string>{"sub"}));
    EXPECT_EQ(screen.at(8, 8), partColor(WindowPart::Cursor));
}

}  // namespace
