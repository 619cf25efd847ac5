// The mixer's work for one 50 ms buffer: every slot busy with a looping sound that wraps
// inside the buffer now and then. The device thread does this 20 times a second.
#include <benchmark/benchmark.h>

#include "sound/SoundManager.h"

namespace {

void BM_RefillAllSlots(benchmark::State& state) {
    Sound sound;
    sound.resize(16000 * 3 + 123, SoundManager::kChannels);
    for (int i = 0; i < sound.frames() * sound.channels(); ++i) {
        sound.samples()[i] = static_cast<std::int16_t>(i * 37 % 60000 - 30000);
    }
    SoundManager manager;
    for (int slot = 0; slot < SoundManager::kSlotCount; ++slot) {
        manager.setSlot(slot, &sound, true, 128 + slot);
    }
    int buffer = 0;
    for (auto _ : state) {
        manager.refill(buffer);
        benchmark::DoNotOptimize(manager.buffer(buffer).samples());
        buffer = (buffer + 1) % SoundManager::kBufferCount;
    }
}
BENCHMARK(BM_RefillAllSlots)->Unit(benchmark::kMicrosecond);

}  // namespace
