#include "platform/win32/Win32Dialogs.h"

#include "platform/win32/WideText.h"

void Win32Dialogs::messageBox(const std::string& text, const std::string& caption) {
    const std::wstring wideCaption = wideText(caption);
    MessageBoxW(nullptr, wideText(text).c_str(), caption.empty() ? nullptr : wideCaption.c_str(),
                MB_OK);
}

void Win32Dialogs::commandLineBox(const std::string& message, UINT style) {
    MessageBoxW(nullptr, wideText(message, CP_ACP).c_str(), nullptr, style);
}
