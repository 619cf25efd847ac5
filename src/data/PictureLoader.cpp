#include "data/PictureLoader.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "gfx/Image.h"
#include "gfx/ImageFile.h"
#include "platform/GamePath.h"

namespace {

// One key per file however the data file spells its path ("image\a.png", "image/./a.png"):
// the canonical path where the file system gives one, otherwise the name itself.
std::string fileKey(const std::string& name) {
    try {
        std::error_code error;
        const std::filesystem::path canonical = std::filesystem::weakly_canonical(name, error);
        if (!error) {
            return canonical.string();
        }
    } catch (...) {
        // A name the file system library cannot convert is its own key.
    }
    return name;
}

}  // namespace

PictureLoader::Result PictureLoader::load(Image& image, const std::string& path) {
    const std::string name = gamePath(path);
    const std::string key = fileKey(name);
    auto found = files_.find(key);
    if (found == files_.end()) {
        auto picture = std::make_unique<Image>();
        const long long room = std::max(0LL, budgetBytes_ - usedBytes_) / 4;
        const PictureRead read = readImageFile(*picture, name, std::min(room, kMaxImagePixels));
        if (read == PictureRead::OverLimit) {
            // Not remembered: a face given back later may make room for it.
            return Result::OverBudget;
        }
        ++decodeCount_;
        usedBytes_ += bytesOf(picture->width(), picture->height());
        found = files_.emplace(key, Decoded{std::move(picture), read == PictureRead::Loaded}).first;
    }
    const Image& picture = *found->second.picture;
    // A file that did not load leaves the image as the reader left it: untouched when the
    // file could not be opened, resized and partly filled when it broke off.
    if (found->second.loaded || !picture.empty()) {
        image.sharePixels(picture);
    }
    return found->second.loaded ? Result::Loaded : Result::Unreadable;
}

bool PictureLoader::reserve(long long bytes) {
    if (bytes > budgetBytes_ - usedBytes_) {
        return false;
    }
    usedBytes_ += bytes;
    return true;
}

void PictureLoader::release(long long bytes) {
    usedBytes_ = std::max(0LL, usedBytes_ - bytes);
}
