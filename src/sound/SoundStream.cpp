#include "sound/SoundStream.h"

#include <algorithm>

#include "sound/SoundManager.h"

void SoundStream::attach(SoundManager* manager) {
    manager_ = manager;
    buffer_ = 0;
    frame_ = 0;
}

void SoundStream::read(std::int16_t* out, int frames) {
    constexpr int kChannels = SoundManager::kChannels;
    if (manager_ == nullptr) {
        std::fill_n(out, std::max(frames, 0) * kChannels, 0);
        return;
    }
    while (frames > 0) {
        const Sound& buffer = manager_->buffer(buffer_);
        const int n = std::min(frames, SoundManager::kBufferFrames - frame_);
        std::copy_n(buffer.samples() + frame_ * kChannels, n * kChannels, out);
        out += n * kChannels;
        frames -= n;
        frame_ += n;
        if (frame_ == SoundManager::kBufferFrames) {
            manager_->refill(buffer_);
            buffer_ = (buffer_ + 1) % SoundManager::kBufferCount;
            frame_ = 0;
        }
    }
}
