#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// Texts for Windows' W functions. The game's own texts (the catalogue, the data file and its
// error reports) are code page 932 bytes: converted here, they read the same whatever Windows'
// ANSI code page is, where the A functions would read them in that code page. A byte code
// page 932 lacks becomes Windows' default mark.
inline constexpr UINT kGameCodePage = 932;

std::wstring wideText(std::string_view text, UINT codePage = kGameCodePage);
// The same into the caller's buffer, which keeps its room from one text to the next.
void wideText(std::string_view text, std::wstring& wide, UINT codePage = kGameCodePage);
