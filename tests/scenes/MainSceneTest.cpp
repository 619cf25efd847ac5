#include <gtest/gtest.h>

#include <utility>

#include "GameHarness.h"
#include "SjisText.h"
#include "scenes/SceneTransition.h"

namespace {

// A scene that counts its calls and finishes where the test tells it to.
class ProbeScene : public Scene {
public:
    void begin() override {
        ++begins;
        if (finishInBegin >= 0) {
            finish(finishInBegin);
        }
    }
    void update() override {
        ++updates;
        if (finishInUpdate >= 0) {
            finish(finishInUpdate);
            finishInUpdate = -1;
        }
    }
    int begins = 0;
    int updates = 0;
    int finishInBegin = -1;
    int finishInUpdate = -1;
};

// Where the 185-step blink cycle stands after a number of steps: step index and counter.
std::pair<std::size_t, int> blinkPosition(int steps) {
    const int durations[] = {20, 4, 60, 4, 25, 3, 4, 7, 4, 50, 4};
    steps %= 185;
    std::size_t index = 0;
    while (steps >= durations[index]) {
        steps -= durations[index++];
    }
    return {index, steps};
}

}  // namespace

TEST(MainSceneTest, ScenesFinishingInBeginCompleteWithinOneUpdate) {
    MainScene main;
    ProbeScene a, b, c;
    const SceneTransition table[] = {{&a, 0, &b}, {&b, 0, &c}, {nullptr, 0, nullptr}};
    main.attachScenes(table, &a, nullptr);
    main.init();  // no registry: no Me state to restore, and no crash
    EXPECT_EQ(main.registryCharacter, nullptr);
    ASSERT_EQ(main.currentScene, &a);

    a.finishInUpdate = 0;
    b.finishInBegin = 0;
    main.update();
    EXPECT_EQ(main.currentScene, &c);
    EXPECT_EQ(b.begins, 1);
    EXPECT_EQ(c.begins, 1);
    EXPECT_FALSE(c.finished);

    // c has no row: it is begun again, with result and finished cleared.
    c.finishInUpdate = 7;
    main.update();
    EXPECT_EQ(main.currentScene, &c);
    EXPECT_EQ(c.begins, 2);
    EXPECT_EQ(c.result, 0);
    EXPECT_FALSE(c.finished);

    // A scene that always finishes in begin without a row cannot hang the frame.
    c.finishInBegin = 9;
    c.finishInUpdate = 9;
    main.update();
    EXPECT_EQ(c.begins, 2 + MainScene::kMaxSwitchesPerCall);
}

TEST(MainSceneTest, InitRestoresMeAndEndsAtOnceWhenGroundsAreUsedUp) {
    GameHarness h("battle.dat");
    ASSERT_NE(h.data.meState(), nullptr);
    EXPECT_EQ(h.mainScene.registryCharacter, h.data.meState());
    EXPECT_EQ(h.data.meState()->hp(), 10);
    EXPECT_EQ(h.data.meState()->mp(), 5);

    h.globals.battleGround = h.data.enemyCount();
    h.mainScene.init();
    EXPECT_EQ(h.current(), &h.scenes().endScene);
    EXPECT_EQ(h.messageLine(), sjis("おれたちの　たたかいは　これからだ！"));
}

TEST(MainSceneTest, DrawsBackgroundAndEmptyLowerStatusBox) {
    GameHarness h("battle.dat");
    h.frame();
    EXPECT_EQ(h.framebuffer.pixel(2, 2) & 0xFFFFFF, 0x7FBF00u);
    EXPECT_EQ(h.framebuffer.pixel(150, 190) & 0xFFFFFF, 0xFFBF9Fu);
    // The map window covers the hidden status window with its black fill.
    EXPECT_EQ(h.framebuffer.pixel(60, 130) & 0xFFFFFF, 0u);
    // The heading in black at the message window's margins, the window fill beside it.
    EXPECT_EQ(h.framebuffer.pixel(33, 73) & 0xFFFFFF, 0u);
    EXPECT_EQ(h.framebuffer.pixel(33, 66) & 0xFFFFFF, 0xFFBF9Fu);
}

TEST(MainSceneTest, BlinkStepsTwicePerFrameWhileTheMapShows) {
    GameHarness h("battle.dat");
    const SerialAnimation& blink = h.mainScene.blinkAnimation;
    ASSERT_TRUE(h.mainScene.mapWindow.visible);
    for (int i = 0; i < 9; ++i) {
        h.frame();
    }
    EXPECT_EQ(blink.current(), 0u);
    EXPECT_EQ(blink.counter(), 18);
    h.frame();  // 20 steps: the first blink begins, its frames restarted
    EXPECT_EQ(blink.current(), 1u);
    EXPECT_EQ(blink.counter(), 0);
    EXPECT_EQ(h.mainScene.blinkFrames.current(), 0u);
    h.frame();
    EXPECT_EQ(blink.counter(), 2);
    EXPECT_EQ(h.mainScene.blinkFrames.current(), 2u);

    // On the hero list the map is hidden: one step a frame. Frames so far: 11 in the
    // introduction and 2 presses there (30 steps), then 2 frames on the hero list.
    h.press(ButtonDecide, 2);
    h.press(ButtonDecide);
    ASSERT_EQ(h.current(), &h.scenes().characterSelectScene);
    ASSERT_FALSE(h.mainScene.mapWindow.visible);
    for (int steps = 32; steps <= 32 + 185; ++steps) {
        const auto [index, counter] = blinkPosition(steps);
        ASSERT_EQ(blink.current(), index) << steps;
        ASSERT_EQ(blink.counter(), counter) << steps;
        h.frame();
    }
}
