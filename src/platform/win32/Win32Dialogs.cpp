#include "platform/win32/Win32Dialogs.h"

#include <windows.h>

void Win32Dialogs::messageBox(const std::string& text, const std::string& caption) {
    MessageBoxA(nullptr, text.c_str(), caption.empty() ? nullptr : caption.c_str(), MB_OK);
}
