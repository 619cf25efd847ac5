#pragma once

#include <string>

// Game text (Shift-JIS, code page 932) as UTF-8 for the desktop: window titles, message boxes,
// the terminal. A byte that is not valid Shift-JIS becomes '?', so broken text stays visible.
std::string shiftJisToUtf8(const std::string& text);
