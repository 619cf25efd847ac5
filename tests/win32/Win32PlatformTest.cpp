#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <thread>

#include "platform/win32/WaveOutAudio.h"
#include "platform/win32/Win32KeySource.h"
#include "platform/win32/Win32Options.h"
#include "sound/SoundManager.h"

TEST(Win32KeySource, ReadsTheKeyStateOfThisMoment) {
    Win32KeySource keys;
    EXPECT_FALSE(keys.isDown(0));  // "no second key"

    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = VK_SPACE;
    ASSERT_EQ(SendInput(1, &input, sizeof input), 1u);
    EXPECT_TRUE(keys.isDown(VK_SPACE));
    EXPECT_FALSE(keys.isDown(VK_SHIFT));
    input.ki.dwFlags = KEYEVENTF_KEYUP;
    ASSERT_EQ(SendInput(1, &input, sizeof input), 1u);
    EXPECT_FALSE(keys.isDown(VK_SPACE));
}

TEST(WaveOutAudio, PlaysTheFiveBuffersUntilClosedOrRunsSilentWithoutADevice) {
    SoundManager manager;
    Sound tone;
    tone.resize(1000, 2);
    for (int i = 0; i < 2000; ++i) {
        tone.samples()[i] = static_cast<std::int16_t>(i % 100 * 100);
    }
    manager.setSlot(0, &tone, true, 128);
    WaveOutAudio audio;
    manager.open(&audio);
    if (!audio.isOpen()) {
        // No wave-out device here: the game goes on in silence.
        EXPECT_FALSE(manager.isOpen());
        EXPECT_EQ(audio.refills(), 0);
        manager.close();
        GTEST_SKIP() << "no wave-out device";
    }
    EXPECT_TRUE(manager.isOpen());
    // Each 50 ms buffer comes back and is queued again: more than five in a second.
    for (int i = 0; i < 100 && audio.refills() < 8; ++i) {
        Sleep(20);
    }
    EXPECT_GE(audio.refills(), 8);
    EXPECT_NE(manager.slotPosition(0), 0);

    manager.close();
    EXPECT_FALSE(audio.isOpen());
    const long afterClose = audio.refills();
    Sleep(150);
    EXPECT_EQ(audio.refills(), afterClose);  // nothing stays queued, no refill after close
}

TEST(Win32Options, ReadsTheOptionsAndRefusesBadOnes) {
    Win32Options options;
    std::string error;
    ASSERT_TRUE(options.parse(
        {"--data", "C:\\game", "--seed", "4294967295", "--mute", "--frames", "3", "--lang", "en"},
        error));
    EXPECT_EQ(options.dataDir, "C:\\game");
    EXPECT_EQ(options.seed, 4294967295u);
    EXPECT_TRUE(options.mute);
    EXPECT_EQ(options.frames, 3);
    EXPECT_EQ(options.lang, "en");

    for (const auto& bad :
         std::initializer_list<std::initializer_list<std::string>>{{"--seed"},
                                                                   {"--seed", "-1"},
                                                                   {"--seed", "4294967296"},
                                                                   {"--frames", "0"},
                                                                   {"--frames", "2x"},
                                                                   {"--scale", "2"},
                                                                   {"--lang"}}) {
        Win32Options rejected;
        error.clear();
        EXPECT_FALSE(rejected.parse(bad, error)) << *bad.begin();
        EXPECT_FALSE(error.empty());
    }
}
