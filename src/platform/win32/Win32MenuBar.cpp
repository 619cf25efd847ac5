#include "platform/win32/Win32MenuBar.h"

#include "platform/win32/WideText.h"
#include "text/Catalogue.h"

namespace {

// One menu of the bar holding one command.
bool appendMenu(HMENU bar, TextId title, TextId item, UINT command) {
    HMENU popup = CreatePopupMenu();
    if (popup == nullptr) {
        return false;
    }
    if (!AppendMenuW(popup, MF_STRING, command, wideText(text(item)).c_str()) ||
        !AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup),
                     wideText(text(title)).c_str())) {
        DestroyMenu(popup);
        return false;
    }
    return true;
}

}  // namespace

HMENU createMenuBar(UINT quitCommand, UINT aboutCommand) {
    HMENU bar = CreateMenu();
    if (bar == nullptr) {
        return nullptr;
    }
    if (!appendMenu(bar, TextId::MenuStripFile, TextId::MenuStripQuit, quitCommand) ||
        !appendMenu(bar, TextId::MenuStripHelp, TextId::MenuStripAbout, aboutCommand)) {
        DestroyMenu(bar);  // takes the popups already on it along
        return nullptr;
    }
    return bar;
}
