#include "autoplay/ScreenshotCamera.h"

#include "gfx/ImageSave.h"

const char* ScreenshotCamera::fileName(Shot shot) {
    switch (shot) {
        case Shot::Introduction:
            return "introduction.png";
        case Shot::HeroSelection:
            return "hero-selection.png";
        case Shot::ArtAnimation:
            return "battle-art.png";
        case Shot::MapWalk:
            return "map-walk.png";
        case Shot::Ending:
            return "ending.png";
        case Shot::Count:
            break;
    }
    return "";
}

bool ScreenshotCamera::wants(Shot shot, int ground) const {
    if (shot == Shot::Count || taken_[static_cast<std::size_t>(shot)]) {
        return false;
    }
    if (shot == Shot::ArtAnimation) {
        return ground == groundCount_;
    }
    if (shot == Shot::MapWalk) {
        return ground == (groundCount_ + 1) / 2;
    }
    return true;
}

void ScreenshotCamera::shoot(Shot shot, const Image& picture) {
    if (shot == Shot::Count || taken_[static_cast<std::size_t>(shot)]) {
        return;
    }
    const std::string path = folder_ + "/" + fileName(shot);
    if (savePng(picture, path)) {
        taken_[static_cast<std::size_t>(shot)] = true;
    } else if (failure_.empty()) {
        failure_ = path;
    }
}

bool ScreenshotCamera::complete() const {
    return saved() == static_cast<int>(Shot::Count);
}

int ScreenshotCamera::saved() const {
    int count = 0;
    for (const bool taken : taken_) {
        count += taken ? 1 : 0;
    }
    return count;
}
