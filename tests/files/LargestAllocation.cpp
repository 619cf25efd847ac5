// Replaces the global operator new and delete of the test program to watch request sizes. The
// array forms are replaced too: the sanitizer runtime defines its own, which would bypass it.
#include "files/LargestAllocation.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<bool> watching{false};
std::atomic<std::size_t> largest{0};

}  // namespace

void LargestAllocation::start() {
    largest = 0;
    watching = true;
}

std::size_t LargestAllocation::stop() {
    watching = false;
    return largest.load();
}

void* operator new(std::size_t size) {
    if (watching && size > largest) {
        largest = size;
    }
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    return block;
}

void operator delete(void* block) noexcept {
    std::free(block);
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
