#pragma once

#include <array>
#include <string>

#include "autoplay/Camera.h"

// Saves each shot once, as a 256 x 224 PNG in a folder: introduction.png,
// hero-selection.png, battle-art.png, map-walk.png, ending.png. The art is shot on the last
// battle ground, the map walk on the way to the middle one.
class ScreenshotCamera : public Camera {
public:
    // groundCount: the number of battle grounds.
    ScreenshotCamera(std::string folder, int groundCount)
        : folder_(std::move(folder)), groundCount_(groundCount) {}

    bool wants(Shot shot, int ground) const override;
    void shoot(Shot shot, const Image& picture) override;

    bool complete() const;
    // Files written so far, and the first file that could not be written.
    int saved() const;
    const std::string& failure() const { return failure_; }

    static const char* fileName(Shot shot);

private:
    std::string folder_;
    int groundCount_;
    std::array<bool, static_cast<std::size_t>(Shot::Count)> taken_{};
    std::string failure_;
};
