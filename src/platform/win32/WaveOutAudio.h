#pragma once

#include <windows.h>
// mmsystem.h needs the types of windows.h first.
#include <mmsystem.h>

#include <array>
#include <atomic>

#include "platform/AudioOut.h"
#include "sound/SoundManager.h"

// The sound manager's five buffers played through the wave-out device (16000 Hz, stereo,
// 16-bit). Each buffer has a prepared 3200-byte header queued on the device; when the device
// is done with one, the completion callback (on a system thread) refills it with
// SoundManager::refill under this output's lock and queues it again.
//
// Closing first marks the output as closing (after which callbacks leave the buffers alone),
// then stops the device with waveOutReset so that no buffer stays queued, unprepares the
// headers and closes the device. Without a device the game runs silently.
class WaveOutAudio : public AudioOut {
public:
    WaveOutAudio();
    ~WaveOutAudio() override;
    WaveOutAudio(const WaveOutAudio&) = delete;
    WaveOutAudio& operator=(const WaveOutAudio&) = delete;

    bool open(SoundManager& manager) override;
    void close() override;
    void lock() override;
    void unlock() override;

    bool isOpen() const { return device_ != nullptr; }
    // Buffers handed back by the device and refilled, since the last open.
    long refills() const { return refills_; }

private:
    static void CALLBACK callback(HWAVEOUT device, UINT message, DWORD_PTR instance,
                                  DWORD_PTR parameter1, DWORD_PTR parameter2);
    void bufferDone(WAVEHDR* header);

    CRITICAL_SECTION lock_;
    SoundManager* manager_ = nullptr;
    HWAVEOUT device_ = nullptr;
    std::array<WAVEHDR, SoundManager::kBufferCount> headers_{};
    bool closing_ = false;  // guarded by lock_
    std::atomic<long> refills_{0};
};
