#pragma once

#include "platform/Clock.h"

// The C library's clock, which on Windows counts wall-clock milliseconds since the process
// started (at the resolution of the system tick), and Sleep.
class Win32Clock : public Clock {
public:
    std::uint32_t milliseconds() const override;
    void sleep(std::uint32_t milliseconds) override;
};
