#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include "platform/sdl/SdlAudioOut.h"
#include "sound/SoundManager.h"
#include "sound/WavFixture.h"

// These tests play through SDL's disk audio driver, which writes the device's stream to a
// file instead of a sound card, so the captured bytes are exactly what a player would hear.

namespace {

void useDiskDriver(const std::string& capture) {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", capture.c_str(), 1);
    // Milliseconds between 50 ms device chunks: twice real time.
    setenv("SDL_DISKAUDIODELAY", "25", 1);
}

// The device's samples are in the machine's own byte order (AUDIO_S16SYS).
std::vector<std::int16_t> readCapture(const std::string& path) {
    std::vector<std::int16_t> values(std::filesystem::file_size(path) / 2);
    std::ifstream(path, std::ios::binary)
        .read(reinterpret_cast<char*>(values.data()),
              static_cast<std::streamsize>(values.size() * 2));
    return values;
}

}  // namespace

TEST(SdlAudioOut, PlaysTheMusicAfterFiveSilentBuffers) {
    constexpr int kMusicFrames = 4000;
    const std::vector<std::int16_t> ramp = rampMusic(kMusicFrames);
    Sound music(writeFixture("music.wav", wavBytes({}, pcm16(ramp))));
    ASSERT_EQ(music.frames(), kMusicFrames);
    const std::string capture = fixturePath("capture.raw");
    useDiskDriver(capture);

    SoundManager manager;
    manager.setSlot(0, &music, true, 128);
    SdlAudioOut out;
    manager.open(&out);
    ASSERT_TRUE(manager.isOpen()) << SDL_GetError();
    // Wait for the device to have played the silent start and one wrap of the music, up to
    // ten seconds on a busy machine.
    constexpr int kWantedFrames = 4000 + kMusicFrames + 1600;
    std::error_code error;
    for (int wait = 0; wait < 200; ++wait) {
        SDL_Delay(50);
        if (std::filesystem::file_size(capture, error) >= kWantedFrames * 4u) {
            break;
        }
    }
    manager.close();

    const std::vector<std::int16_t> output = readCapture(capture);
    const int frames = static_cast<int>(output.size() / 2);
    ASSERT_GE(frames, kWantedFrames);

    int silent = 0;
    while (silent < frames && output[silent * 2] == 0 && output[silent * 2 + 1] == 0) {
        ++silent;
    }
    // The five silent buffers, plus at most one chunk the device wrote while still paused
    // before the first callback.
    EXPECT_GE(silent, 4000) << "of " << frames << " frames captured";
    EXPECT_LE(silent, 4000 + SoundManager::kBufferFrames);
    EXPECT_EQ(silent % SoundManager::kBufferFrames, 0);
    // The music is a whole number of buffers long, so it never wraps inside a buffer and
    // every frame is at the slot's volume.
    for (int f = silent; f < frames; ++f) {
        const int m = (f - silent) % kMusicFrames;
        for (int c = 0; c < 2; ++c) {
            ASSERT_EQ(output[f * 2 + c], atVolume(ramp[m * 2 + c], 128))
                << "output frame " << f << " channel " << c;
        }
    }
    std::remove(capture.c_str());
}

TEST(SdlAudioOut, FailsQuietlyWithoutADevice) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    SoundManager manager;
    SdlAudioOut out;
    manager.open(&out);
    EXPECT_FALSE(manager.isOpen());
}

TEST(SdlAudioOut, EitherSideMayGoFirst) {
    const std::string capture = fixturePath("capture.raw");
    useDiskDriver(capture);
    Sound music;
    music.resize(800, 2);
    SoundManager manager;
    {
        SdlAudioOut out;
        manager.open(&out);
        ASSERT_TRUE(manager.isOpen()) << SDL_GetError();
        // Slot changes while the device thread runs go through the device lock.
        for (int i = 0; i < 100; ++i) {
            manager.setSlot(i % 2, &music, i % 3 == 0, i);
        }
    }
    // The output closed itself and let the manager know.
    EXPECT_FALSE(manager.isOpen());

    auto second = std::make_unique<SoundManager>();
    SdlAudioOut out;
    second->open(&out);
    ASSERT_TRUE(second->isOpen());
    second.reset();
    // Reopening works after the manager closed the output on its way out.
    manager.open(&out);
    EXPECT_TRUE(manager.isOpen());
    manager.close();
    std::remove(capture.c_str());
}
