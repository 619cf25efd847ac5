// Counts every allocation made through operator new in this test program, to show that
// drawing text whose glyphs are already cached allocates nothing.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "SjisText.h"
#include "gfx/DIBImage.h"
#include "platform/freetype/FreeTypeText.h"

namespace {
std::atomic<long> allocations{0};
}

void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size != 0 ? size : 1)) {
        return p;
    }
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

TEST(TextAllocation, CachedTextAllocatesNothing) {
    ::unsetenv("VK_FONT");
    std::string error;
    auto text = FreeTypeText::open(error);
    ASSERT_NE(text, nullptr) << error;
    Font font(text.get());
    DIBImage frame(256, 224);
    frame.selectFont(&font);
    const std::string line = sjis("ゆうしゃの　こうげき！ HP 123");
    drawText(frame, line, 8, 8);  // renders and caches the glyphs

    const long before = allocations.load();
    for (int i = 0; i < 10; ++i) {
        frame.setTextColor(0x00FF8000 + i);
        drawText(frame, line, 8, 8 + i * 8);
    }
    EXPECT_EQ(allocations.load() - before, 0);
}
