#include "platform/win32/Win32Clock.h"

#include <windows.h>

#include <ctime>

std::uint32_t Win32Clock::milliseconds() const {
    return static_cast<std::uint32_t>(static_cast<long long>(std::clock()) * 1000 / CLOCKS_PER_SEC);
}

void Win32Clock::sleep(std::uint32_t milliseconds) {
    Sleep(milliseconds);
}
