#include "ui/MenuDriver.h"

#include "ui/MenuManager.h"

MenuAction driveMenuButtons(MenuManager& menu, const MenuButtons& buttons, int columns) {
    if (buttons.left) {
        menu.moveCursor(-1);
    } else if (buttons.right) {
        menu.moveCursor(1);
    } else if (buttons.up) {
        menu.moveCursor(-columns);
    } else if (buttons.down) {
        menu.moveCursor(columns);
    } else if (buttons.decide) {
        if (!menu.enter() && menu.currentItem() != nullptr) {
            return MenuAction::Decided;
        }
    } else if (buttons.cancel) {
        if (!menu.back()) {
            return MenuAction::Cancelled;
        }
    }
    return MenuAction::None;
}
