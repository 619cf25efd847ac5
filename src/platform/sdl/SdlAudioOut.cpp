#include "platform/sdl/SdlAudioOut.h"

#include <cstdint>

#include "sound/SoundManager.h"

SdlAudioOut::~SdlAudioOut() {
    if (manager_ != nullptr) {
        manager_->close();  // calls close() below and forgets this output
    }
    close();
}

bool SdlAudioOut::open(SoundManager& manager) {
    close();
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return false;
    }
    SDL_AudioSpec wanted{};
    wanted.freq = SoundManager::kSampleRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = SoundManager::kChannels;
    wanted.samples = SoundManager::kBufferFrames;
    wanted.callback = &SdlAudioOut::callback;
    wanted.userdata = this;
    // The stream is set before the device exists, so the first callback already sees it.
    stream_.attach(&manager);
    SDL_AudioSpec obtained{};
    // No format changes allowed: SDL converts if the hardware wants something else.
    device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (device_ == 0) {
        stream_.attach(nullptr);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    manager_ = &manager;
    SDL_PauseAudioDevice(device_, 0);
    return true;
}

void SdlAudioOut::close() {
    if (device_ == 0) {
        return;
    }
    // Closing waits for the device thread to finish, so no callback runs after this.
    SDL_CloseAudioDevice(device_);
    device_ = 0;
    manager_ = nullptr;
    stream_.attach(nullptr);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlAudioOut::lock() {
    if (device_ != 0) {
        SDL_LockAudioDevice(device_);
    }
}

void SdlAudioOut::unlock() {
    if (device_ != 0) {
        SDL_UnlockAudioDevice(device_);
    }
}

void SDLCALL SdlAudioOut::callback(void* userData, Uint8* stream, int length) {
    auto* self = static_cast<SdlAudioOut*>(userData);
    constexpr int kFrameBytes = SoundManager::kChannels * static_cast<int>(sizeof(std::int16_t));
    self->stream_.read(reinterpret_cast<std::int16_t*>(stream), length / kFrameBytes);
}
