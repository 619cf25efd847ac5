#pragma once

#include <windows.h>

// The window's menu bar, built from the catalogue in the language being played: "ファイル(&F)"
// with "終了(&X)" (quitCommand) and "ヘルプ(&H)" with "バージョン情報(&V)" (aboutCommand). Built
// at run time, after the language is applied, so a translation renames it too. The texts go to
// Windows in UTF-16 (wideText), so they read the same under any ANSI code page. The window
// that takes the menu destroys it.
HMENU createMenuBar(UINT quitCommand, UINT aboutCommand);
