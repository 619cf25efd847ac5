#include <gtest/gtest.h>

#include <memory>

#include "Probes.h"
#include "data/ConstVelocityAnimation.h"
#include "data/FlashAnimation.h"
#include "data/SerialAnimation.h"
#include "data/StillAnimation.h"

namespace {

// What the animation shows for `frames` frames, one update between frames.
std::string play(Animation& animation, std::vector<DrawCall>& log, int frames) {
    std::string seen;
    for (int i = 0; i < frames; ++i) {
        seen.push_back(shown(animation, log));
        animation.update();
    }
    return seen;
}

struct SerialAB {
    std::vector<DrawCall> log;
    ProbeDrawable a{'A', &log};
    ProbeDrawable b{'B', &log};
    SerialAnimation serial;

    explicit SerialAB(int loop) : serial(loop) {
        serial.addImage(&a, 3);
        serial.addImage(&b, 2);
    }
};

}  // namespace

TEST(SerialAnimationTest, LoopCountDecidesHowItPlaysAndEnds) {
    SerialAB endless(0);
    EXPECT_EQ(play(endless.serial, endless.log, 12), "AAABBAAABBAA");
    EXPECT_FALSE(endless.serial.isFinished());
    EXPECT_EQ(endless.serial.passesDone(), 0);

    SerialAB once(1);
    EXPECT_EQ(play(once.serial, once.log, 9), "AAABBBBBB");
    EXPECT_EQ(once.serial.passesDone(), 0);
    EXPECT_FALSE(once.serial.isFinished());

    SerialAB twice(2);
    EXPECT_EQ(play(twice.serial, twice.log, 13), "AAABBAAABBBBB");
    EXPECT_EQ(twice.serial.passesDone(), 1);
    EXPECT_FALSE(twice.serial.isFinished());

    // Reset starts the whole sequence over.
    twice.serial.reset();
    EXPECT_EQ(play(twice.serial, twice.log, 4), "AAAB");
}

TEST(SerialAnimationTest, EmptySequenceDrawsNothingAndStaysPut) {
    std::vector<DrawCall> log;
    SerialAnimation serial(2);
    serial.update();
    EXPECT_EQ(shown(serial, log), '-');
    EXPECT_EQ(serial.current(), serial.steps().size());
}

TEST(SerialAnimationTest, NestedAnimationRestartsOnEveryEntryAndIsDriven) {
    std::vector<DrawCall> log;
    ProbeAnimation inner('I', &log);
    ProbeDrawable image('X', &log);
    SerialAnimation serial(0);
    serial.addAnimation(&inner, 2, true);
    serial.addImage(&image, 1);
    // Each add resets the sequence, which resets the restartable step.
    EXPECT_EQ(inner.resets, 2);

    EXPECT_EQ(play(serial, log, 3), "IIX");
    EXPECT_EQ(inner.updates, 2);  // only while its own step is shown
    EXPECT_EQ(inner.resets, 3);   // entered again when the sequence wrapped to it

    // Without restartOnEntry the item is driven but never reset by the sequence.
    ProbeAnimation plain('P', &log);
    SerialAnimation other(0);
    other.addAnimation(&plain, 1, false);
    play(other, log, 4);
    EXPECT_EQ(plain.updates, 4);
    EXPECT_EQ(plain.resets, 0);
}

TEST(SerialAnimationTest, StepsOfZeroOrNegativeFramesAdvanceWithoutHanging) {
    std::vector<DrawCall> log;
    ProbeDrawable a('A', &log);
    ProbeDrawable b('B', &log);
    SerialAnimation serial(0);
    serial.addImage(&a, 0);
    serial.addImage(&b, -5);
    EXPECT_EQ(play(serial, log, 4), "ABAB");

    SerialAnimation extreme(-2147483647 - 1);
    extreme.addImage(&a, -2147483647 - 1);
    EXPECT_EQ(play(extreme, log, 2), "AA");
}

TEST(ConstVelocityAnimationTest, MovesForLengthFramesThenStays) {
    std::vector<DrawCall> log;
    ProbeDrawable dot('D', &log);
    ConstVelocityAnimation moving(&dot, 10, 20, 2, -1, 3);
    Image target;
    std::vector<DrawCall> expected{
        {'D', 10, 20}, {'D', 12, 19}, {'D', 14, 18}, {'D', 16, 17}, {'D', 16, 17}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(moving.isFinished(), i >= 3);
        moving.drawTo(target, 0, 0);
        moving.update();
    }
    EXPECT_EQ(log, expected);

    moving.reset();
    log.clear();
    moving.drawTo(target, 100, 100);
    EXPECT_EQ(log, (std::vector<DrawCall>{{'D', 110, 120}}));

    // Offsets from a data file can be anything; the sum must not overflow.
    ConstVelocityAnimation far(&dot, 2147483647, -2147483647 - 1, 0, 0, 0);
    log.clear();
    far.drawTo(target, 100, -100);
    EXPECT_EQ(log, (std::vector<DrawCall>{{'D', 1 << 30, -(1 << 30)}}));
}

TEST(StillAnimationTest, ForwardsOnlyToAnimations) {
    std::vector<DrawCall> log;
    ProbeAnimation inner('I', &log);
    StillAnimation still(&inner, 3, 4);
    still.update();
    still.reset();
    EXPECT_EQ(inner.updates, 0);  // flag clear: treated as an image
    still.contentIsAnimation = true;
    still.update();
    still.reset();
    EXPECT_EQ(inner.updates + inner.resets, 2);

    Image target;
    still.drawTo(target, 1, 1);
    EXPECT_EQ(log, (std::vector<DrawCall>{{'I', 4, 5}}));
}

TEST(FlashAnimationTest, BlinksThenStaysVisible) {
    std::vector<DrawCall> log;
    ProbeDrawable face('F', &log);
    FlashAnimation flash;
    EXPECT_EQ(shown(flash, log), '-');  // no content yet
    flash.content = &face;
    EXPECT_EQ(play(flash, log, 12), "--FF--FFFFFF");
    flash.reset();
    EXPECT_EQ(play(flash, log, 3), "--F");
}

// Each level shows the two animations of the level below, each in two steps: a reset that
// followed every path would reset the bottom 4^40 times. Every animation is reset once.
TEST(SerialAnimationTest, AResetReachesEachSharedAnimationOnce) {
    std::vector<DrawCall> log;
    ProbeAnimation bottom('B', &log);
    constexpr int kLevels = 40;
    std::vector<std::unique_ptr<SerialAnimation>> levels;
    Animation* below[2] = {&bottom, &bottom};
    for (int level = 0; level < kLevels; ++level) {
        for (int twin = 0; twin < 2; ++twin) {
            auto serial = std::make_unique<SerialAnimation>(0);
            for (int repeat = 0; repeat < 2; ++repeat) {
                serial->addAnimation(below[0], 1, true);
                serial->addAnimation(below[1], 1, true);
            }
            levels.push_back(std::move(serial));
        }
        below[0] = levels[levels.size() - 2].get();
        below[1] = levels.back().get();
    }
    const int before = bottom.resets;
    levels.back()->reset();
    EXPECT_EQ(bottom.resets, before + 1);

    // Playing still restarts a step each time the sequence enters it.
    SerialAnimation twice(0);
    twice.addAnimation(&bottom, 1, true);
    twice.addAnimation(&bottom, 1, true);
    const int start = bottom.resets;
    EXPECT_EQ(start, before + 3);  // one reset per add
    twice.update();
    twice.update();
    EXPECT_EQ(bottom.resets, start + 2);
}
