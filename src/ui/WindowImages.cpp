#include "ui/WindowImages.h"

#include "platform/GamePath.h"

namespace {

constexpr const char* kFileNames[] = {
    "image/borderlt.png",   "image/bordermt.png", "image/borderrt.png", "image/borderlm.png",
    "image/borderrm.png",   "image/borderlb.png", "image/bordermb.png", "image/borderrb.png",
    "image/chaosframe.png", "image/hpfull.png",   "image/hpempty.png",  "image/mpfull.png",
    "image/mpempty.png",    "image/cursor.png",
};
static_assert(std::size(kFileNames) == static_cast<std::size_t>(WindowPart::Count));

}  // namespace

WindowImages* WindowImages::current_ = nullptr;

WindowImages::WindowImages() {
    for (int i = 0; i < kCount; ++i) {
        images_[i] = std::make_unique<Image>(gamePath(kFileNames[i]));
    }
    current_ = this;
}

WindowImages::~WindowImages() {
    if (current_ == this) {
        current_ = nullptr;
    }
    for (int i = kCount - 1; i >= 0; --i) {
        images_[i].reset();
    }
}

const char* WindowImages::fileName(WindowPart part) {
    return kFileNames[index(part)];
}
