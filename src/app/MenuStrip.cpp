#include "app/MenuStrip.h"

#include <algorithm>
#include <cctype>

#include "gfx/DIBImage.h"
#include "text/Catalogue.h"

namespace {

constexpr Pixel kStripColour = 0xF0F0F0;
constexpr Pixel kEdgeColour = 0xA0A0A0;
constexpr Pixel kTextColour = 0x000000;
constexpr Pixel kHighlightColour = 0x0A246A;
constexpr Pixel kHighlightText = 0xFFFFFF;
constexpr int kTextTop = 2;      // text row inside a strip line or menu line
constexpr int kLineHeight = 12;  // one item of an open menu
constexpr int kPadding = 4;      // left and right of a title
constexpr int kItemPadding = 8;  // left and right of an item

int textWidth(const std::string& text) {
    return static_cast<int>(text.size()) * 4;
}

char upper(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

}  // namespace

MenuStrip::MenuStrip() {
    Menu file{makeEntry(text(TextId::MenuStripFile).c_str(), kNone),
              {makeEntry(text(TextId::MenuStripQuit).c_str(), kQuit)}};
    Menu help{makeEntry(text(TextId::MenuStripHelp).c_str(), kNone),
              {makeEntry(text(TextId::MenuStripAbout).c_str(), kAbout)}};
    menus_ = {file, help};
    int x = 2;
    for (Menu& menu : menus_) {
        menu.x = x;
        menu.width = textWidth(menu.title.text) + 2 * kPadding;
        x += menu.width;
        for (const Entry& item : menu.items) {
            menu.popupWidth = std::max(menu.popupWidth, textWidth(item.text) + 2 * kItemPadding);
        }
    }
}

MenuStrip::Entry MenuStrip::makeEntry(const char* label, int command) {
    Entry entry;
    entry.command = command;
    for (const char* p = label; *p != '\0'; ++p) {
        const auto c = static_cast<unsigned char>(*p);
        // '&' never occurs as the second byte of a two-byte character, so a byte scan is safe.
        if (c == '&' && p[1] != '\0') {
            entry.underline = static_cast<int>(entry.text.size());
            entry.letter = upper(p[1]);
            continue;
        }
        entry.text += *p;
    }
    return entry;
}

void MenuStrip::open(int menu) {
    menu_ = (menu >= 0 && menu < menuCount()) ? menu : -1;
    item_ = 0;
}

int MenuStrip::pressKey(Key key) {
    if (!isOpen()) {
        return kNone;
    }
    const int items = static_cast<int>(menus_[menu_].items.size());
    switch (key) {
        case Key::Left:
            open((menu_ + menuCount() - 1) % menuCount());
            break;
        case Key::Right:
            open((menu_ + 1) % menuCount());
            break;
        case Key::Up:
            item_ = (item_ + items - 1) % items;
            break;
        case Key::Down:
            item_ = (item_ + 1) % items;
            break;
        case Key::Enter:
            return choose();
        case Key::Escape:
            close();
            break;
    }
    return kNone;
}

int MenuStrip::pressLetter(char letter) {
    if (!isOpen()) {
        return kNone;
    }
    const std::vector<Entry>& items = menus_[menu_].items;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].letter == upper(letter)) {
            item_ = static_cast<int>(i);
            return choose();
        }
    }
    openByLetter(letter);
    return kNone;
}

bool MenuStrip::openByLetter(char letter) {
    for (int i = 0; i < menuCount(); ++i) {
        if (menus_[i].title.letter == upper(letter)) {
            open(i);
            return true;
        }
    }
    return false;
}

int MenuStrip::click(int x, int y) {
    const int title = titleAt(x, y);
    if (title >= 0) {
        if (title == menu_) {
            close();
        } else {
            open(title);
        }
        return kNone;
    }
    const int item = itemAt(x, y);
    if (item >= 0) {
        item_ = item;
        return choose();
    }
    close();
    return kNone;
}

void MenuStrip::hover(int x, int y) {
    if (!isOpen()) {
        return;
    }
    const int title = titleAt(x, y);
    if (title >= 0 && title != menu_) {
        open(title);
    }
    const int item = itemAt(x, y);
    if (item >= 0) {
        item_ = item;
    }
}

int MenuStrip::titleAt(int x, int y) const {
    if (y < 0 || y >= kHeight) {
        return -1;
    }
    for (int i = 0; i < menuCount(); ++i) {
        if (x >= menus_[i].x && x < menus_[i].x + menus_[i].width) {
            return i;
        }
    }
    return -1;
}

int MenuStrip::itemAt(int x, int y) const {
    if (!isOpen()) {
        return -1;
    }
    const Menu& menu = menus_[menu_];
    const int top = kHeight + 1;
    if (x < menu.x + 1 || x >= menu.x + 1 + menu.popupWidth || y < top) {
        return -1;
    }
    const int item = (y - top) / kLineHeight;
    return item < static_cast<int>(menu.items.size()) ? item : -1;
}

int MenuStrip::choose() {
    const int command = menus_[menu_].items[item_].command;
    close();
    return command;
}

void MenuStrip::drawEntry(DIBImage& target, const Entry& entry, int x, int y, Pixel colour) const {
    target.setTextColor(colour);
    drawText(target, entry.text, x, y);
    if (entry.underline >= 0) {
        const int ux = x + entry.underline * 4;
        target.fillRect(colour, ux, y + 8, ux + 4, y + 9);
    }
}

void MenuStrip::draw(DIBImage& target) const {
    target.fillRect(kStripColour, 0, 0, target.width(), kHeight - 1);
    target.fillRect(kEdgeColour, 0, kHeight - 1, target.width(), kHeight);
    for (int i = 0; i < menuCount(); ++i) {
        const Menu& menu = menus_[i];
        Pixel colour = kTextColour;
        if (i == menu_) {
            target.fillRect(kHighlightColour, menu.x, 0, menu.x + menu.width, kHeight - 1);
            colour = kHighlightText;
        }
        drawEntry(target, menu.title, menu.x + kPadding, kTextTop, colour);
    }
    if (!isOpen()) {
        return;
    }
    // The open menu: a one-pixel edge around one line per item.
    const Menu& menu = menus_[menu_];
    const int x0 = menu.x;
    const int y0 = kHeight;
    const int x1 = x0 + menu.popupWidth + 2;
    const int y1 = y0 + static_cast<int>(menu.items.size()) * kLineHeight + 2;
    target.fillRect(kEdgeColour, x0, y0, x1, y1);
    target.fillRect(kStripColour, x0 + 1, y0 + 1, x1 - 1, y1 - 1);
    for (std::size_t i = 0; i < menu.items.size(); ++i) {
        const int y = y0 + 1 + static_cast<int>(i) * kLineHeight;
        Pixel colour = kTextColour;
        if (static_cast<int>(i) == item_) {
            target.fillRect(kHighlightColour, x0 + 1, y, x1 - 1, y + kLineHeight);
            colour = kHighlightText;
        }
        drawEntry(target, menu.items[i], x0 + 1 + kItemPadding, y + kTextTop, colour);
    }
}
