#include "platform/win32/Win32MenuBar.h"

#include <string>
#include <string_view>

#include "text/Catalogue.h"

namespace {

// The catalogue's Shift-JIS text in UTF-16; a byte code page 932 lacks becomes Windows' default
// mark.
std::wstring sjisToWide(std::string_view sjis) {
    if (sjis.empty()) {
        return {};
    }
    const int size = static_cast<int>(sjis.size());
    const int length = MultiByteToWideChar(932, 0, sjis.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0) {
        MultiByteToWideChar(932, 0, sjis.data(), size, wide.data(), length);
    }
    return wide;
}

// One menu of the bar holding one command.
bool appendMenu(HMENU bar, TextId title, TextId item, UINT command) {
    HMENU popup = CreatePopupMenu();
    if (popup == nullptr) {
        return false;
    }
    if (!AppendMenuW(popup, MF_STRING, command, sjisToWide(text(item)).c_str()) ||
        !AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup),
                     sjisToWide(text(title)).c_str())) {
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
