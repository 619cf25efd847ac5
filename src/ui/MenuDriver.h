#pragma once

#include "app/InputState.h"

class MenuManager;

// What one frame of menu driving asked the scene to do.
enum class MenuAction {
    None,       // nothing for the scene: no button, a cursor move, a submenu opened or closed
    Decided,    // the decide button chose menu.currentItem() (never null with this result)
    Cancelled,  // the cancel button was pressed at the root level; its meaning is the scene's
};

// The buttons pressed this frame, as the menu reads them.
struct MenuButtons {
    bool left = false;
    bool right = false;
    bool up = false;
    bool down = false;
    bool decide = false;
    bool cancel = false;
};

// One frame of the menu protocol every menu scene follows: the first pressed of Left, Right,
// Up, Down, Decide, Cancel wins. Left and Right move the cursor by one entry, Up and Down by
// `columns` entries (one row of the option window's grid). Decide opens the highlighted
// submenu, or else reports the highlighted entry as chosen. Cancel closes the current level,
// or else reports Cancelled.
MenuAction driveMenuButtons(MenuManager& menu, const MenuButtons& buttons, int columns);

// The same, reading the buttons pressed this frame from the input state.
inline MenuAction driveMenu(MenuManager& menu, const InputState& input, int columns) {
    MenuButtons buttons;
    buttons.left = input.isPressed(ButtonLeft);
    buttons.right = input.isPressed(ButtonRight);
    buttons.up = input.isPressed(ButtonUp);
    buttons.down = input.isPressed(ButtonDown);
    buttons.decide = input.isPressed(ButtonDecide);
    buttons.cancel = input.isPressed(ButtonCancel);
    return driveMenuButtons(menu, buttons, columns);
}
