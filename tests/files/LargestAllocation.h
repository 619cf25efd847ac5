#pragma once

#include <cstddef>

// The largest single request to operator new between start() and stop(), so a test can show
// that a file claiming gigabytes never makes the reader ask for them.
namespace LargestAllocation {
void start();
std::size_t stop();
}  // namespace LargestAllocation
