#pragma once

#include <cstdint>

// Milliseconds since the program started, and sleeping.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::uint32_t milliseconds() const = 0;
    virtual void sleep(std::uint32_t milliseconds) = 0;
};
