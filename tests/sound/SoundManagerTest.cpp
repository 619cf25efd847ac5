#include <gtest/gtest.h>

#include <vector>

#include "platform/AudioOut.h"
#include "sound/SoundManager.h"
#include "sound/WavFixture.h"

namespace {

// A stereo sound holding the ramp music.
void fillRamp(Sound& sound, int frames) {
    const std::vector<std::int16_t> ramp = rampMusic(frames);
    sound.resize(frames, 2);
    std::copy(ramp.begin(), ramp.end(), sound.samples());
}

// Checks that buffer frames [from, from + count) hold the music's frames from musicFrame on
// at the given volume.
void expectMusic(const Sound& buffer, int from, const Sound& music, int musicFrame, int count,
                 int volume) {
    for (int i = 0; i < count; ++i) {
        for (int c = 0; c < 2; ++c) {
            const int expected = atVolume(music.samples()[(musicFrame + i) * 2 + c], volume);
            ASSERT_EQ(buffer.samples()[(from + i) * 2 + c], expected)
                << "buffer frame " << from + i << " channel " << c;
        }
    }
}

void expectSilent(const Sound& buffer, int from, int count) {
    for (int i = from * 2; i < (from + count) * 2; ++i) {
        ASSERT_EQ(buffer.samples()[i], 0) << "value " << i;
    }
}

// Records what the manager asks of its output.
class FakeAudioOut : public AudioOut {
public:
    explicit FakeAudioOut(bool works = true) : works_(works) {}
    bool open(SoundManager& manager) override {
        manager_ = &manager;
        ++opens;
        return works_;
    }
    void close() override {
        ++closes;
        // The device may still read the buffers until it is closed.
        bufferFramesAtClose = manager_->buffer(SoundManager::kBufferCount - 1).frames();
    }
    void lock() override { ++locks; }
    void unlock() override { ++unlocks; }

    int opens = 0, closes = 0, locks = 0, unlocks = 0;
    int bufferFramesAtClose = -1;

private:
    bool works_;
    SoundManager* manager_ = nullptr;
};

}  // namespace

TEST(SoundManager, LoopingMusicWrapsAtFullLevel) {
    Sound music;
    fillRamp(music, 1000);
    SoundManager manager;
    manager.setSlot(0, &music, true, 128);

    manager.refill(0);
    expectMusic(manager.buffer(0), 0, music, 0, 800, 128);
    manager.refill(1);
    expectMusic(manager.buffer(1), 0, music, 800, 200, 128);
    expectMusic(manager.buffer(1), 200, music, 0, 600, 255);
    EXPECT_EQ(manager.slotPosition(0), 600);
    manager.refill(2);
    expectMusic(manager.buffer(2), 0, music, 600, 400, 128);
    expectMusic(manager.buffer(2), 400, music, 0, 400, 255);
    // Untouched buffers stay silent.
    expectSilent(manager.buffer(3), 0, 800);
}

TEST(SoundManager, ShortLoopFillsTheWholeBuffer) {
    Sound blip;
    fillRamp(blip, 300);
    SoundManager manager;
    manager.setSlot(0, &blip, true, 255);
    manager.refill(0);
    expectMusic(manager.buffer(0), 0, blip, 0, 300, 255);
    expectMusic(manager.buffer(0), 300, blip, 0, 300, 255);
    expectMusic(manager.buffer(0), 600, blip, 0, 200, 255);
    EXPECT_EQ(manager.slotPosition(0), 200);
    manager.refill(1);
    expectMusic(manager.buffer(1), 0, blip, 200, 100, 255);
    expectMusic(manager.buffer(1), 100, blip, 0, 300, 255);
}

TEST(SoundManager, NonLoopingSlotIsFreedAtItsEnd) {
    Sound effect;
    fillRamp(effect, 1000);
    SoundManager manager;
    manager.setSlot(3, &effect, false, 255);
    manager.refill(0);
    EXPECT_EQ(manager.slotSound(3), &effect);
    manager.refill(1);
    expectMusic(manager.buffer(1), 0, effect, 800, 200, 255);
    expectSilent(manager.buffer(1), 200, 600);
    EXPECT_EQ(manager.slotSound(3), nullptr);
    manager.refill(2);
    expectSilent(manager.buffer(2), 0, 800);
}

TEST(SoundManager, SlotsSaturateWhenAddedUp) {
    Sound loud;
    loud.resize(800, 2);
    for (int i = 0; i < 1600; ++i) {
        loud.samples()[i] = i % 2 == 0 ? 30000 : -30000;
    }
    SoundManager manager;
    manager.setSlot(0, &loud, true, 255);
    manager.setSlot(7, &loud, true, 255);
    manager.refill(4);
    for (int i = 0; i < 1600; ++i) {
        ASSERT_EQ(manager.buffer(4).samples()[i], i % 2 == 0 ? 32767 : -32768) << i;
    }
}

TEST(SoundManager, IgnoresSlotIndicesOutOfRange) {
    Sound music;
    fillRamp(music, 1000);
    Sound other;
    fillRamp(other, 1000);
    std::fill_n(other.samples(), 2000, 1000);
    SoundManager manager;
    manager.setSlot(0, &music, true, 255);
    manager.setSlot(8, &other, true, 255);
    manager.setSlot(-1, &other, true, 255);
    manager.refill(0);
    expectMusic(manager.buffer(0), 0, music, 0, 800, 255);
    manager.refill(5);  // no such buffer: nothing happens
    EXPECT_EQ(manager.slotPosition(0), 800);
    EXPECT_EQ(manager.slotSound(7), nullptr);
    EXPECT_FALSE(manager.isOpen());
}

TEST(SoundManager, MonoOrEmptyMusicPlaysSilence) {
    WavFormat format;
    format.channels = 1;
    Sound mono(writeFixture("mono.wav", wavBytes(format, pcm16({1000, 2000, 3000}))));
    ASSERT_EQ(mono.frames(), 3);
    Sound empty(fixturePath("missing.wav"));
    SoundManager manager;
    manager.setSlot(0, &mono, true, 255);
    manager.setSlot(1, &empty, true, 255);
    for (int i = 0; i < SoundManager::kBufferCount; ++i) {
        manager.refill(i);
        expectSilent(manager.buffer(i), 0, 800);
    }
    EXPECT_EQ(manager.slotPosition(0), 0);
    EXPECT_EQ(manager.slotSound(1), &empty);
}

TEST(SoundManager, OpensAndClosesItsOutput) {
    Sound music;
    fillRamp(music, 1000);
    FakeAudioOut broken(false);
    FakeAudioOut first;
    FakeAudioOut second;
    {
        SoundManager manager;
        manager.open(nullptr);
        EXPECT_FALSE(manager.isOpen());
        manager.open(&broken);
        EXPECT_FALSE(manager.isOpen());
        manager.close();
        EXPECT_EQ(broken.closes, 0);

        manager.open(&first);
        EXPECT_TRUE(manager.isOpen());
        // While open, slot changes are guarded against the device thread.
        manager.setSlot(0, &music, true, 128);
        EXPECT_EQ(first.locks, 1);
        EXPECT_EQ(first.unlocks, 1);

        manager.open(&second);
        EXPECT_EQ(first.closes, 1);
        EXPECT_EQ(second.opens, 1);
    }
    // Destroying the manager closed the output while its buffers were still there.
    EXPECT_EQ(second.closes, 1);
    EXPECT_EQ(second.bufferFramesAtClose, SoundManager::kBufferFrames);
    EXPECT_EQ(first.closes, 1);
}
