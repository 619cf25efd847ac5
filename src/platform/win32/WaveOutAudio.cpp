#include "platform/win32/WaveOutAudio.h"

#include <cstdint>

WaveOutAudio::WaveOutAudio() {
    InitializeCriticalSection(&lock_);
}

WaveOutAudio::~WaveOutAudio() {
    if (manager_ != nullptr) {
        manager_->close();  // calls close() below and forgets this output
    }
    close();
    DeleteCriticalSection(&lock_);
}

bool WaveOutAudio::open(SoundManager& manager) {
    close();
    const Sound& first = manager.buffer(0);
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = static_cast<WORD>(first.channels());
    format.nSamplesPerSec = SoundManager::kSampleRate;
    format.wBitsPerSample = 16;
    format.nBlockAlign = static_cast<WORD>(format.nChannels * 2);
    format.nAvgBytesPerSec = format.nBlockAlign * format.nSamplesPerSec;

    EnterCriticalSection(&lock_);
    manager_ = &manager;
    closing_ = false;
    LeaveCriticalSection(&lock_);
    HWAVEOUT device = nullptr;
    if (waveOutOpen(&device, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(&callback),
                    reinterpret_cast<DWORD_PTR>(this), CALLBACK_FUNCTION) != MMSYSERR_NOERROR) {
        manager_ = nullptr;
        return false;
    }
    device_ = device;
    refills_ = 0;
    // The buffers go out silent, so the first refilled sound is heard after 250 ms.
    for (int i = 0; i < SoundManager::kBufferCount; ++i) {
        const Sound& buffer = manager.buffer(i);
        WAVEHDR& header = headers_[i];
        header = WAVEHDR{};
        // The device only reads the samples; the header's field is not const.
        header.lpData = reinterpret_cast<LPSTR>(const_cast<std::int16_t*>(buffer.samples()));
        header.dwBufferLength = static_cast<DWORD>(buffer.frames() * buffer.channels() * 2);
        header.dwUser = static_cast<DWORD_PTR>(i);
        header.dwLoops = 1;
        waveOutPrepareHeader(device_, &header, sizeof header);
        waveOutWrite(device_, &header, sizeof header);
    }
    return true;
}

void WaveOutAudio::close() {
    if (device_ == nullptr) {
        return;
    }
    // From here on callbacks return at once. Waiting for the lock also lets a refill that is
    // running finish first.
    EnterCriticalSection(&lock_);
    closing_ = true;
    LeaveCriticalSection(&lock_);
    // Returns every queued buffer, so none is in the queue when the headers are unprepared.
    waveOutReset(device_);
    for (WAVEHDR& header : headers_) {
        waveOutUnprepareHeader(device_, &header, sizeof header);
    }
    waveOutClose(device_);
    device_ = nullptr;
    EnterCriticalSection(&lock_);
    manager_ = nullptr;
    LeaveCriticalSection(&lock_);
}

void WaveOutAudio::lock() {
    EnterCriticalSection(&lock_);
}

void WaveOutAudio::unlock() {
    LeaveCriticalSection(&lock_);
}

void CALLBACK WaveOutAudio::callback(HWAVEOUT, UINT message, DWORD_PTR instance,
                                     DWORD_PTR parameter1, DWORD_PTR) {
    if (message == WOM_DONE) {
        reinterpret_cast<WaveOutAudio*>(instance)->bufferDone(
            reinterpret_cast<WAVEHDR*>(parameter1));
    }
}

void WaveOutAudio::bufferDone(WAVEHDR* header) {
    EnterCriticalSection(&lock_);
    const auto index = static_cast<int>(header->dwUser);
    if (!closing_ && manager_ != nullptr && index >= 0 && index < SoundManager::kBufferCount) {
        manager_->refill(index);
        ++refills_;
        waveOutWrite(device_, header, sizeof *header);
    }
    LeaveCriticalSection(&lock_);
}
