// Replaces the global operator new and delete to count live blocks and bytes. The array forms
// are replaced too: the sanitizer runtime defines its own, which would bypass the count.
#include "soak/AllocationCounter.h"

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<std::size_t> bytes{0};
std::atomic<std::size_t> blocks{0};
std::atomic<std::size_t> total{0};

}  // namespace

std::size_t AllocationCounter::liveBytes() {
    return bytes.load();
}

std::size_t AllocationCounter::liveBlocks() {
    return blocks.load();
}

std::size_t AllocationCounter::totalBlocks() {
    return total.load();
}

void* operator new(std::size_t size) {
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    bytes += malloc_usable_size(block);
    ++blocks;
    ++total;
    return block;
}

void operator delete(void* block) noexcept {
    if (block != nullptr) {
        bytes -= malloc_usable_size(block);
        --blocks;
        std::free(block);
    }
}

void operator delete(void* block, std::size_t) noexcept {
    operator delete(block);
}

void* operator new[](std::size_t size) {
    return operator new(size);
}

void operator delete[](void* block) noexcept {
    operator delete(block);
}

void operator delete[](void* block, std::size_t) noexcept {
    operator delete(block);
}
