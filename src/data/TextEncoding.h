#pragma once

#include <string>
#include <string_view>

// Shift-JIS (code page 932) game text to UTF-8 for the terminal. Bytes that are not valid
// Shift-JIS come out as "?", so any input gives printable output.
// The platform layer defines it, and the build links one: through iconv for the desktop and
// headless shells (platform/iconv), through Windows' own code page 932 (platform/win32).
std::string sjisToUtf8(std::string_view sjis);
