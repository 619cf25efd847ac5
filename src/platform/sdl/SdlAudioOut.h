#pragma once

#include <SDL2/SDL.h>

#include "platform/AudioOut.h"
#include "sound/SoundStream.h"

// The desktop audio output: the default SDL device at 16000 Hz, stereo, signed 16-bit. The
// device thread's callback reads the sound manager's five buffers in order, refilling each
// one it has consumed (SoundStream), with the device lock held, so lock/unlock exclude the
// refill. When there is no audio device open returns false and the game runs silently.
//
// Either side may go first at shut-down: the manager's close closes this output, and
// destroying an open output closes it through its manager.
class SdlAudioOut : public AudioOut {
public:
    SdlAudioOut() = default;
    ~SdlAudioOut() override;
    SdlAudioOut(const SdlAudioOut&) = delete;
    SdlAudioOut& operator=(const SdlAudioOut&) = delete;

    bool open(SoundManager& manager) override;
    void close() override;
    void lock() override;
    void unlock() override;

private:
    static void SDLCALL callback(void* userData, Uint8* stream, int length);

    SoundManager* manager_ = nullptr;
    SDL_AudioDeviceID device_ = 0;
    SoundStream stream_;
};
