#include <gtest/gtest.h>

#include "app/MenuStrip.h"
#include "gfx/DIBImage.h"

using Key = MenuStrip::Key;

TEST(MenuStrip, KeyboardReachesQuitAndAbout) {
    MenuStrip menu;
    EXPECT_FALSE(menu.isOpen());
    // The file menu, then its underlined X.
    menu.open(0);
    EXPECT_EQ(menu.pressLetter('x'), MenuStrip::kQuit);
    EXPECT_FALSE(menu.isOpen());

    ASSERT_TRUE(menu.openByLetter('h'));
    EXPECT_EQ(menu.openMenu(), 1);
    EXPECT_EQ(menu.pressKey(Key::Enter), MenuStrip::kAbout);

    // Right from the file menu wraps around through help back to file.
    ASSERT_TRUE(menu.openByLetter('F'));
    menu.pressKey(Key::Right);
    EXPECT_EQ(menu.openMenu(), 1);
    menu.pressKey(Key::Right);
    EXPECT_EQ(menu.openMenu(), 0);
    menu.pressKey(Key::Left);
    EXPECT_EQ(menu.openMenu(), 1);
    menu.pressKey(Key::Down);
    EXPECT_EQ(menu.selectedItem(), 0);  // one item: the cursor stays on it
    EXPECT_EQ(menu.pressKey(Key::Escape), MenuStrip::kNone);
    EXPECT_FALSE(menu.isOpen());
}

TEST(MenuStrip, LettersThatMatchNothingChangeNothing) {
    MenuStrip menu;
    EXPECT_FALSE(menu.openByLetter('q'));
    EXPECT_FALSE(menu.isOpen());
    EXPECT_EQ(menu.pressLetter('x'), MenuStrip::kNone);  // closed: letters are the game's
    menu.open(1);
    EXPECT_EQ(menu.pressLetter('x'), MenuStrip::kNone);  // X is not in the help menu
    EXPECT_TRUE(menu.isOpen());
    // A title letter switches menus.
    EXPECT_EQ(menu.pressLetter('f'), MenuStrip::kNone);
    EXPECT_EQ(menu.openMenu(), 0);
    menu.open(7);
    EXPECT_FALSE(menu.isOpen());
}

TEST(MenuStrip, MouseOpensSwitchesChoosesAndCloses) {
    MenuStrip menu;
    // Below the strip the picture belongs to the game while no menu is open.
    EXPECT_FALSE(menu.covers(10, MenuStrip::kHeight));
    EXPECT_TRUE(menu.covers(10, 0));

    EXPECT_EQ(menu.click(6, 5), MenuStrip::kNone);
    EXPECT_EQ(menu.openMenu(), 0);
    EXPECT_TRUE(menu.covers(200, 200));
    // Clicking the open title again closes it.
    menu.click(6, 5);
    EXPECT_FALSE(menu.isOpen());

    menu.click(6, 5);
    menu.hover(70, 5);  // over the help title
    EXPECT_EQ(menu.openMenu(), 1);
    menu.hover(6, 5);
    EXPECT_EQ(menu.openMenu(), 0);
    // The first item lies just under the strip.
    EXPECT_EQ(menu.click(12, MenuStrip::kHeight + 4), MenuStrip::kQuit);
    EXPECT_FALSE(menu.isOpen());

    // A click elsewhere while open only closes.
    menu.open(1);
    EXPECT_EQ(menu.click(250, 200), MenuStrip::kNone);
    EXPECT_FALSE(menu.isOpen());
}

TEST(MenuStrip, DrawsOnlyTheStripWhileClosed) {
    DIBImage screen(256, 224 + MenuStrip::kHeight);
    screen.fillRect(0x123456, 0, 0, 256, screen.height());
    MenuStrip menu;
    menu.draw(screen);
    EXPECT_NE(screen.pixel(0, 0), 0x123456u);
    EXPECT_EQ(screen.pixel(10, MenuStrip::kHeight), 0x123456u);

    // An open menu covers the picture under its title.
    menu.open(0);
    menu.draw(screen);
    EXPECT_NE(screen.pixel(10, MenuStrip::kHeight + 4), 0x123456u);
    EXPECT_EQ(screen.pixel(200, MenuStrip::kHeight + 4), 0x123456u);
}
