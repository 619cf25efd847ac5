#include <filesystem>
#include <fstream>

#include "GameFolderTest.h"
#include "app/Game.h"
#include "platform/KeySource.h"

namespace {

class HeldKeys : public KeySource {
public:
    bool isDown(int virtualKey) const override { return virtualKey == key; }
    int key = 0;
};

using GameStart = GameFolderTest;

}  // namespace

TEST_F(GameStart, BrokenDataFileStopsBeforeTheMusicStarts) {
    std::ofstream("script.dat") << "Enemy\nmaxHP 12x\n";
    Game game(nullptr);
    EXPECT_FALSE(game.start(nullptr, nullptr));
    EXPECT_EQ(game.soundManager().slotSound(0), nullptr);
}

TEST_F(GameStart, StartsTheLoopingMusicAndTheFirstScene) {
    std::ofstream("script.dat") << "SpecialArt normalAttack\n";
    Game game(nullptr);
    ASSERT_TRUE(game.start(nullptr, nullptr));
    EXPECT_EQ(game.soundManager().slotSound(0), &game.music());
    EXPECT_NE(game.mainScene().currentScene, nullptr);

    // Each frame polls the input before the scene runs.
    game.attachWindow(1);
    HeldKeys keys;
    keys.key = 0x20;
    game.frame(keys);
    game.frame(keys);
    EXPECT_EQ(game.input().heldFrames[ButtonDecide], 2);

    // The music file came later (the browser loads it after the first picture): it joins in.
    EXPECT_EQ(game.music().frames(), 0);
    std::filesystem::create_directory("sound");
    const char wav[] =
        "RIFF\x2c\0\0\0WAVEfmt \x10\0\0\0\x01\0\x02\0\x80\x3e\0\0"
        "\0\xfa\0\0\x04\0\x10\0data\x08\0\0\0\x01\0\x02\0\x03\0\x04\0";
    std::ofstream("sound/kelmora.wav", std::ios::binary).write(wav, sizeof wav - 1);
    game.reloadMusic();
    EXPECT_EQ(game.music().frames(), 2);
    EXPECT_EQ(game.soundManager().slotSound(0), &game.music());
    EXPECT_EQ(game.soundManager().slotPosition(0), 0);
}
