#include "sound/SoundManager.h"

#include <algorithm>

#include "platform/AudioOut.h"

SoundManager::SoundManager() {
    for (Sound& buffer : buffers_) {
        buffer.resize(kBufferFrames, kChannels);
    }
}

SoundManager::~SoundManager() {
    close();
}

void SoundManager::setSlot(int index, Sound* sound, bool loop, int volume) {
    if (index < 0 || index >= kSlotCount) {
        return;
    }
    if (out_ != nullptr) {
        out_->lock();
    }
    slots_[index] = Slot{sound, loop, std::clamp(volume, 0, kFullVolume), 0};
    if (out_ != nullptr) {
        out_->unlock();
    }
}

void SoundManager::open(AudioOut* out) {
    close();
    if (out != nullptr && out->open(*this)) {
        out_ = out;
    }
}

void SoundManager::close() {
    if (out_ != nullptr) {
        AudioOut* out = out_;
        out_ = nullptr;
        out->close();
    }
}

void SoundManager::refill(int buffer) {
    if (buffer < 0 || buffer >= kBufferCount) {
        return;
    }
    Sound& target = buffers_[buffer];
    target.clear();
    for (Slot& slot : slots_) {
        if (slot.sound != nullptr) {
            mixSlot(slot, target);
        }
    }
}

void SoundManager::mixSlot(Slot& slot, Sound& buffer) {
    const int mixed = slot.sound->mixInto(buffer, 0, slot.position, kBufferFrames, slot.volume);
    if (slot.loop && mixed < kBufferFrames) {
        // The sound ends inside this buffer: start it again right after, at full level, as
        // often as a short sound needs to fill the buffer. An empty sound stops at once.
        int filled = mixed;
        int taken = 0;
        while (filled < kBufferFrames) {
            taken = slot.sound->mixInto(buffer, filled, 0, kBufferFrames - filled, kFullVolume);
            if (taken == 0) {
                break;
            }
            filled += taken;
        }
        slot.position = taken;
        return;
    }
    slot.position += mixed;
    if (slot.position >= slot.sound->frames()) {
        slot.position = 0;
        if (!slot.loop) {
            slot.sound = nullptr;
        }
    }
}

const Sound* SoundManager::slotSound(int index) const {
    return index >= 0 && index < kSlotCount ? slots_[index].sound : nullptr;
}

int SoundManager::slotPosition(int index) const {
    return index >= 0 && index < kSlotCount ? slots_[index].position : 0;
}
