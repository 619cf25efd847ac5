#include <gtest/gtest.h>

#include "sound/SoundManager.h"
#include "sound/SoundStream.h"
#include "sound/WavFixture.h"

TEST(SoundStream, PlaysFiveSilentBuffersThenTheMusicInAnyChunkSize) {
    const std::vector<std::int16_t> ramp = rampMusic(4000);
    Sound music;
    music.resize(4000, 2);
    std::copy(ramp.begin(), ramp.end(), music.samples());
    SoundManager manager;
    manager.setSlot(0, &music, true, 128);
    SoundStream stream;
    stream.attach(&manager);

    // 333 frames at a time never line up with the 800-frame buffers.
    const int total = 4000 + 2 * 4000 + 123;
    std::vector<std::int16_t> out(total * 2, 1);
    for (int done = 0; done < total; done += 333) {
        stream.read(out.data() + done * 2, std::min(333, total - done));
    }
    // The music is a whole number of buffers long, so it never wraps inside one and every
    // frame is at the slot's volume.
    for (int i = 0; i < total * 2; ++i) {
        const int expected = i < 8000 ? 0 : atVolume(ramp[(i - 8000) % 8000], 128);
        ASSERT_EQ(out[i], expected) << "frame " << i / 2 << " channel " << i % 2;
    }
}
