#include <gtest/gtest.h>

#include <vector>

#include "sound/SoundManager.h"
#include "sound/SoundStream.h"
#include "sound/WavFixture.h"

TEST(SoundStream, PlaysFiveSilentBuffersThenTheMusicInAnyChunkSize) {
    Sound music;
    const std::vector<std::int16_t> ramp = rampMusic(4000);
    music.resize(4000, 2);
    std::copy(ramp.begin(), ramp.end(), music.samples());
    SoundManager manager;
    manager.setSlot(0, &music, true, 128);
    SoundStream stream;
    stream.attach(&manager);

    // 333 frames at a time never lines up with the 800-frame buffers.
    const int total = 4000 + 2 * 4000 + 123;
    std::vector<std::int16_t> out(static_cast<std::size_t>(total) * 2, 1);
    for (int done = 0; done < total; done += 333) {
        stream.read(out.data() + done * 2, std::min(333, total - done));
    }
    for (int i = 0; i < 4000 * 2; ++i) {
        ASSERT_EQ(out[i], 0) << "value " << i;
    }
    // The music is 4000 frames long, a whole number of buffers: it never wraps inside one,
    // so every frame is at the slot's volume.
    for (int f = 4000; f < total; ++f) {
        for (int c = 0; c < 2; ++c) {
            ASSERT_EQ(out[f * 2 + c], atVolume(ramp[(f - 4000) % 4000 * 2 + c], 128))
                << "frame " << f << " channel " << c;
        }
    }
}

TEST(SoundStream, WithoutManagerIsSilent) {
    SoundStream stream;
    std::vector<std::int16_t> out(100, 7);
    stream.read(out.data(), 50);
    EXPECT_EQ(out, std::vector<std::int16_t>(100, 0));
}
