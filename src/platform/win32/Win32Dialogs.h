#pragma once

#include <windows.h>

#include "platform/Dialogs.h"

// Message boxes with MessageBoxW, their Shift-JIS texts converted from code page 932
// (wideText), so they read the same under any ANSI code page. The data file's errors come
// before any window exists, so the boxes have no owner; an empty caption leaves Windows'
// default caption.
class Win32Dialogs : public Dialogs {
public:
    void messageBox(const std::string& text, const std::string& caption) override;

    // A box about the command line, with Windows' default caption and the given style. The C
    // runtime gives the arguments in the ANSI code page, and the files they name are opened in
    // it, so a message quoting them is read in that code page rather than in code page 932.
    static void commandLineBox(const std::string& message, UINT style);
};
