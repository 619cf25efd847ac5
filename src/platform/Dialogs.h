#pragma once

#include <string>

// Modal message boxes. Texts are Shift-JIS; the shell converts them for the desktop.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // An empty caption means the system's default caption.
    virtual void messageBox(const std::string& text, const std::string& caption) = 0;
};
