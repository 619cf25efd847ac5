#pragma once

#include <string>
#include <vector>

#include "gfx/Image.h"

class DIBImage;

// The window's menu bar for shells without a native one, drawn in the game font above the
// picture: "ファイル(&F)" with "終了(&X)" (command 100) and "ヘルプ(&H)" with "バージョン情報(&V)"
// (command 101), from the catalogue. It only tracks which menu is open and which item is selected;
// the shell feeds it keys and mouse positions and carries out the command it returns. Coordinates
// are screen pixels at scale 1: the strip takes rows 0 to kHeight - 1, the picture starts at row
// kHeight.
class MenuStrip {
public:
    static constexpr int kHeight = 12;
    static constexpr int kNone = 0;
    static constexpr int kQuit = 100;
    static constexpr int kAbout = 101;

    enum class Key { Left, Right, Up, Down, Enter, Escape };

    MenuStrip();

    bool isOpen() const { return menu_ >= 0; }
    // The open menu (0 file, 1 help), -1 when closed.
    int openMenu() const { return menu_; }
    int selectedItem() const { return item_; }
    int menuCount() const { return static_cast<int>(menus_.size()); }

    // Opens a menu with its first item selected; an index out of range closes.
    void open(int menu);
    void close() { menu_ = -1; }

    // A navigation key while a menu is open. Returns the command chosen, or kNone.
    int pressKey(Key key);
    // A plain letter while a menu is open: chooses the item it underlines in the open menu, or
    // opens the menu whose title underlines it. Returns the command chosen, or kNone.
    int pressLetter(char letter);
    // Alt+letter: opens the menu whose title underlines the letter. False when none does.
    bool openByLetter(char letter);

    // True when a click at (x, y) belongs to the menu rather than the game: the strip itself,
    // and anywhere at all while a menu is open (a click outside closes it).
    bool covers(int /*x*/, int y) const { return isOpen() || (y >= 0 && y < kHeight); }
    // A mouse click. Returns the command chosen, or kNone.
    int click(int x, int y);
    // The mouse moved: while a menu is open, follows the pointer across titles and items.
    void hover(int x, int y);

    // Draws the strip across the top of the screen and the open menu over the picture.
    void draw(DIBImage& target) const;

private:
    struct Entry {
        std::string text;    // shown text, the '&' removed
        int underline = -1;  // byte offset of the underlined letter, -1 for none
        char letter = 0;     // that letter in upper case
        int command = kNone;
    };
    struct Menu {
        Entry title;
        std::vector<Entry> items;
        int x = 0;      // left edge of the title box
        int width = 0;  // width of the title box
        int popupWidth = 0;
    };

    static Entry makeEntry(const char* label, int command);
    int titleAt(int x, int y) const;
    int itemAt(int x, int y) const;
    int choose();
    void drawEntry(DIBImage& target, const Entry& entry, int x, int y, Pixel colour) const;

    std::vector<Menu> menus_;
    int menu_ = -1;
    int item_ = 0;
};
