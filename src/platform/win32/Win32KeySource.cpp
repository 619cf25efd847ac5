#include "platform/win32/Win32KeySource.h"

#include <windows.h>

bool Win32KeySource::isDown(int virtualKey) const {
    // Code 0 stands for "no second key"; it must never read as down.
    return virtualKey != 0 && GetAsyncKeyState(virtualKey) < 0;
}
