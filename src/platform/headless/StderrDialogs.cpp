#include "platform/headless/StderrDialogs.h"

#include <iostream>

#include "platform/headless/ShiftJis.h"

void StderrDialogs::messageBox(const std::string& text, const std::string& caption) {
    if (!caption.empty()) {
        std::cerr << shiftJisToUtf8(caption) << ": ";
    }
    std::cerr << shiftJisToUtf8(text) << '\n';
}
