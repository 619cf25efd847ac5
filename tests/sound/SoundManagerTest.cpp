#include <gtest/gtest.h>

#include "platform/AudioOut.h"
#include "sound/SoundManager.h"
#include "sound/WavFixture.h"

namespace {

void fillRamp(Sound& sound, int frames) {
    const std::vector<std::int16_t> ramp = rampMusic(frames);
    sound.resize(frames, 2);
    std::copy(ramp.begin(), ramp.end(), sound.samples());
}

// Buffer frames [from, from + count) hold the music from musicFrame on at the volume; a null
// music means silence.
void expectFrames(const Sound& buffer, int from, int count, const Sound* music, int musicFrame = 0,
                  int volume = 255) {
    for (int i = 0; i < count * 2; ++i) {
        const int expected = music ? atVolume(music->samples()[musicFrame * 2 + i], volume) : 0;
        ASSERT_EQ(buffer.samples()[from * 2 + i], expected) << "buffer value " << from * 2 + i;
    }
}

// Records what the manager asks of its output.
struct FakeAudioOut : AudioOut {
    bool open(SoundManager& m) override {
        manager = &m;
        return works;
    }
    void close() override {
        ++closes;
        // The device may read the buffers until it is closed.
        framesAtClose = manager->buffer(SoundManager::kBufferCount - 1).frames();
    }
    void lock() override { ++locks; }
    void unlock() override { ++unlocks; }

    bool works = true;
    SoundManager* manager = nullptr;
    int closes = 0, locks = 0, unlocks = 0, framesAtClose = -1;
};

}  // namespace

TEST(SoundManager, LoopingMusicWrapsAtFullLevel) {
    Sound music;
    fillRamp(music, 1000);
    SoundManager manager;
    manager.setSlot(0, &music, true, 128);
    manager.refill(0);
    expectFrames(manager.buffer(0), 0, 800, &music, 0, 128);
    manager.refill(1);
    expectFrames(manager.buffer(1), 0, 200, &music, 800, 128);
    expectFrames(manager.buffer(1), 200, 600, &music, 0, 255);
    manager.refill(2);
    expectFrames(manager.buffer(2), 0, 400, &music, 600, 128);
    expectFrames(manager.buffer(2), 400, 400, &music, 0, 255);
    expectFrames(manager.buffer(3), 0, 800, nullptr);
}

TEST(SoundManager, ShortLoopFillsTheWholeBuffer) {
    Sound blip;
    fillRamp(blip, 300);
    SoundManager manager;
    manager.setSlot(0, &blip, true, 255);
    manager.refill(0);
    expectFrames(manager.buffer(0), 0, 300, &blip);
    expectFrames(manager.buffer(0), 300, 300, &blip);
    expectFrames(manager.buffer(0), 600, 200, &blip);
    manager.refill(1);
    expectFrames(manager.buffer(1), 0, 100, &blip, 200);
    expectFrames(manager.buffer(1), 100, 300, &blip);
}

TEST(SoundManager, NonLoopingSlotIsFreedAtItsEnd) {
    Sound effect;
    fillRamp(effect, 1000);
    SoundManager manager;
    manager.setSlot(3, &effect, false, 255);
    manager.refill(0);
    manager.refill(1);
    expectFrames(manager.buffer(1), 0, 200, &effect, 800);
    expectFrames(manager.buffer(1), 200, 600, nullptr);
    EXPECT_EQ(manager.slotSound(3), nullptr);
}

TEST(SoundManager, SlotsSaturateAndOutOfRangeSlotsAreIgnored) {
    Sound loud;
    loud.resize(800, 2);
    for (int i = 0; i < 1600; ++i) {
        loud.samples()[i] = i % 2 == 0 ? 30000 : -30000;
    }
    SoundManager manager;
    manager.setSlot(0, &loud, true, 255);
    manager.setSlot(7, &loud, true, 255);
    manager.setSlot(8, &loud, true, 0);
    manager.setSlot(-1, &loud, true, 0);
    manager.refill(4);
    for (int i = 0; i < 1600; ++i) {
        ASSERT_EQ(manager.buffer(4).samples()[i], i % 2 == 0 ? 32767 : -32768) << i;
    }
    EXPECT_FALSE(manager.isOpen());  // nothing written past the slot table
}

TEST(SoundManager, MonoOrMissingMusicPlaysSilence) {
    Sound mono(writeFixture("mono.wav", wavBytes({.channels = 1}, pcm16({1000, 2000, 3000}))));
    ASSERT_EQ(mono.frames(), 3);
    Sound missing(fixturePath("missing.wav"));
    SoundManager manager;
    manager.setSlot(0, &mono, true, 255);
    manager.setSlot(1, &missing, true, 255);
    for (int i = 0; i < SoundManager::kBufferCount; ++i) {
        manager.refill(i);
        expectFrames(manager.buffer(i), 0, 800, nullptr);
    }
}

TEST(SoundManager, OpensLocksAndClosesItsOutput) {
    Sound music;
    FakeAudioOut broken;
    broken.works = false;
    FakeAudioOut first;
    FakeAudioOut second;
    {
        SoundManager manager;
        manager.open(&broken);
        EXPECT_FALSE(manager.isOpen());
        manager.open(&first);
        manager.setSlot(0, &music, true, 128);
        EXPECT_EQ(first.locks, 1);
        EXPECT_EQ(first.unlocks, 1);
        manager.open(&second);
        EXPECT_EQ(first.closes, 1);
    }
    // Destroying the manager closed the output while its buffers were still there.
    EXPECT_EQ(second.closes, 1);
    EXPECT_EQ(second.framesAtClose, SoundManager::kBufferFrames);
    EXPECT_EQ(broken.closes, 0);
}
