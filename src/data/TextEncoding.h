#pragma once

#include <string>
#include <string_view>

// Shift-JIS (code page 932) game text to UTF-8 for the terminal. Bytes that are not valid
// Shift-JIS come out as "?", so any input gives printable output.
std::string sjisToUtf8(std::string_view sjis);
