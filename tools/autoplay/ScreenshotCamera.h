#pragma once

#include <array>
#include <string>

#include "autoplay/Camera.h"

// Saves each shot once, as a 256 x 224 PNG in a folder: introduction.png,
// hero-selection.png, battle-art.png, map-walk.png, ending.png.
class ScreenshotCamera : public Camera {
public:
    explicit ScreenshotCamera(std::string folder) : folder_(std::move(folder)) {}

    bool wants(Shot shot) const override;
    void shoot(Shot shot, const Image& picture) override;

    bool complete() const;
    // Files written so far, and the first file that could not be written.
    int saved() const;
    const std::string& failure() const { return failure_; }

    static const char* fileName(Shot shot);

private:
    std::string folder_;
    std::array<bool, static_cast<std::size_t>(Shot::Count)> taken_{};
    std::string failure_;
};
