#pragma once

#include "platform/Dialogs.h"

// Message boxes with MessageBoxA: the Shift-JIS bytes go to Windows as they are (code page
// 932). The data file's errors come before any window exists, so the boxes have no owner; an
// empty caption leaves Windows' default caption.
class Win32Dialogs : public Dialogs {
public:
    void messageBox(const std::string& text, const std::string& caption) override;
};
