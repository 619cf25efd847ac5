#pragma once

#include <array>

#include "app/RecordingKeySource.h"
#include "autoplay/Camera.h"

// Notes the frame of the first moment of each kind the automatic player offers; takes no
// picture itself (the goldens are taken later by the executable playing the replay).
class ShotCamera : public Camera {
public:
    explicit ShotCamera(const RecordingKeySource& recorder) : recorder_(recorder) {}

    bool wants(Shot shot, int /*ground*/) const override { return frameOf(shot) == 0; }
    void shoot(Shot shot, const Image& /*picture*/) override {
        frames_[static_cast<std::size_t>(shot)] = recorder_.frames();
    }
    // The frame of the shot, 0 when it never came.
    int frameOf(Shot shot) const { return frames_[static_cast<std::size_t>(shot)]; }

private:
    const RecordingKeySource& recorder_;
    std::array<int, static_cast<std::size_t>(Shot::Count)> frames_{};
};
