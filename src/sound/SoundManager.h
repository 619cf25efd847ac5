#pragma once

#include <array>

#include "sound/Sound.h"

class AudioOut;

// The software mixer: eight playback slots mixed into five 800-frame stereo buffers that
// circulate through the audio output. The output plays the buffers in order 0, 1, 2, 3, 4,
// 0, ... and calls refill(i) each time it has consumed buffer i, so 250 ms stay queued; the
// buffers start silent, so a sound set before open is first heard 250 ms after opening.
//
// The output's device thread runs refill while the game thread may call setSlot or close:
// setSlot takes the output's lock, and refill runs under that same lock (the output holds it
// around its callback). The sounds in the slots are not owned and must stay alive until
// they leave their slot or the output is closed.
class SoundManager {
public:
    static constexpr int kSlotCount = 8;
    static constexpr int kBufferCount = 5;
    static constexpr int kBufferFrames = 800;
    static constexpr int kChannels = 2;
    static constexpr int kSampleRate = 16000;
    static constexpr int kFullVolume = 255;

    SoundManager();
    // Closes the output before the buffers go.
    virtual ~SoundManager();
    SoundManager(const SoundManager&) = delete;
    SoundManager& operator=(const SoundManager&) = delete;

    // Puts a sound (null frees the slot) into a slot, from its first frame. Indices outside
    // 0..7 are ignored; the volume is limited to 0..255 (255 = unchanged level).
    void setSlot(int index, Sound* sound, bool loop, int volume);

    // Closes any open output, then starts the given one (null: no output, silence). When the
    // output cannot start the game simply runs without sound.
    void open(AudioOut* out);
    // Stops the output; no refill runs after this returns. Safe to call when closed.
    void close();
    bool isOpen() const { return out_ != nullptr; }

    // Mixes the next stretch of every slot into buffer i (0..4; others are ignored). Called by
    // the output with its lock held; never allocates.
    void refill(int buffer);

    // Mix buffer i, 0 <= i < kBufferCount.
    const Sound& buffer(int i) const { return buffers_[i]; }

    // What slot i currently plays (null when free) and its next frame, for inspection.
    const Sound* slotSound(int index) const;
    int slotPosition(int index) const;

private:
    struct Slot {
        Sound* sound = nullptr;
        bool loop = false;
        int volume = 0;
        int position = 0;
    };

    void mixSlot(Slot& slot, Sound& buffer);

    std::array<Slot, kSlotCount> slots_;
    AudioOut* out_ = nullptr;
    std::array<Sound, kBufferCount> buffers_;
};
