#pragma once

#include <vector>

#include "ui/MenuItem.h"
#include "ui/StackData.h"

// The root of a menu tree together with the stack of open levels, each remembering its own
// cursor. The bottom level is always the root itself. The option window draws the current
// level; the scenes drive it with the operations below (see MenuDriver.h).
class MenuManager : public MenuItem {
public:
    MenuManager();

    // Back to the root level with the cursor on the first entry.
    void reset();
    // Opens the highlighted entry's submenu when it is enabled and has entries.
    bool enter();
    // Closes the current level unless it is the root; the level below keeps its cursor.
    bool back();
    // Moves the cursor by delta, stopping at the first and last entry (no wrap-around).
    void moveCursor(int delta);
    // The highlighted entry, or null when the level is empty, disabled or the cursor is off.
    MenuItem* currentItem() const;
    // The top of the level stack (the root level should the stack ever have been emptied).
    StackData currentLevel() const;

    // The open levels, the current one last; reset() keeps the root level at the bottom.
    std::vector<StackData> levels;
};
