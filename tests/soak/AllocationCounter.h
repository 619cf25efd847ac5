#pragma once

#include <cstddef>

// Live heap use through operator new of this test program (the game's own allocations; C
// libraries that call malloc directly are not counted).
struct AllocationCounter {
    static std::size_t liveBytes();
    static std::size_t liveBlocks();
    // Every block ever handed out.
    static std::size_t totalBlocks();
};
