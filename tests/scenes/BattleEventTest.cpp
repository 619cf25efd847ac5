#include <gtest/gtest.h>

#include <cstdint>

#include "GameHarness.h"
#include "SjisText.h"
#include "data/Random.h"
#include "data/SpecialArt.h"
#include "scenes/DamageEvent.h"

namespace {

// Aya (200 HP, 20 MP) against Slime (30 HP), set up as the battle scenes would.
class BattleEventTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(h.loaded);
        g.hero = h.data.playerState(0);
        g.enemy = h.data.enemyState(0);
    }

    SpecialArt* art(const char* name) { return h.data.specialArtTable().at(name); }
    void stepAll(Event& event) {
        for (int i = 0; i < 3; ++i) {
            event.step();
        }
    }

    GameHarness h{"battle.dat"};
    SceneGlobals& g = h.globals;
    MainScene& m = h.mainScene;
};

// The C library's generator, written out again for the coin-toss test.
struct Lcg {
    explicit Lcg(std::uint32_t seed) : state(seed) { next(); }
    int next() {
        state = state * 22695477u + 1u;
        return static_cast<int>((state >> 16) & 0x7FFF);
    }
    std::uint32_t state;
};

}  // namespace

TEST_F(BattleEventTest, HitThatLeavesTheTargetStanding) {
    DamageEvent event(g, g.hero, g.enemy, art("fire"));
    event.step();
    EXPECT_EQ(h.messageLine(), sjis("Ayaの　Fire"));
    EXPECT_EQ(m.heroPicture.animation, art("fire")->animation);
    EXPECT_TRUE(m.heroPicture.animate);
    EXPECT_EQ(g.enemy->hp(), 30);  // nothing paid or applied yet

    event.step();
    EXPECT_EQ(h.messageLine(), sjis("Slimeは　20　のダメージをうけた！"));
    EXPECT_EQ(g.enemy->hp(), 10);
    EXPECT_EQ(g.hero->mp(), 10);
    EXPECT_EQ(m.enemyPicture.animation, &event.flash);
    EXPECT_TRUE(m.enemyPicture.animate);
    EXPECT_EQ(event.flash.content, g.enemy->faceImage(0));
    EXPECT_EQ(event.flash.counter(), 0);
    EXPECT_EQ(m.heroPicture.animation, g.hero->faceImage(0));
    EXPECT_FALSE(m.heroPicture.animate);
    EXPECT_FALSE(event.isDone());

    event.step();
    EXPECT_TRUE(event.isDone());
    EXPECT_TRUE(event.followUps.empty());
    EXPECT_EQ(m.enemyPicture.animation, g.enemy->faceImage(0));
    EXPECT_FALSE(m.enemyPicture.animate);
    event.step();  // later steps change nothing
    EXPECT_EQ(g.enemy->hp(), 10);
}

TEST_F(BattleEventTest, DefeatWithoutLinesAndOddStrengths) {
    CharacterState* ben = h.data.playerState(1);
    CharacterState* golem = h.data.enemyState(1);
    g.hero = ben;
    g.enemy = golem;

    SpecialArt nothing;
    nothing.name = "Poke";
    nothing.strength = 0;
    DamageEvent poke(g, ben, golem, &nothing);
    stepAll(poke);
    EXPECT_EQ(m.messageWindow.lines.at(0), sjis("Golemは　0　のダメージをうけた！"));

    golem->subtractHP(20);
    SpecialArt heal;
    heal.name = "Mend";
    heal.strength = -5;
    DamageEvent mend(g, ben, golem, &heal);
    mend.step();
    mend.step();
    EXPECT_EQ(h.messageLine(), sjis("Golemは　-5　のダメージをうけた！"));
    EXPECT_EQ(golem->hp(), 35);

    // Golem has no "lost" line and Ben no "won" line: one follow-up with the plain line.
    SpecialArt crush;
    crush.name = "Crush";
    crush.strength = 999;
    DamageEvent fell(g, ben, golem, &crush);
    stepAll(fell);
    ASSERT_EQ(fell.followUps.size(), 1u);
    fell.followUps[0]->step();
    EXPECT_EQ(h.messageLine(), sjis("Golemは　たおれた"));
}

TEST_F(BattleEventTest, CoinTossOrdersTheTurn) {
    g.enemy = h.data.enemyState(1);  // Golem: bite at 50 %, else the normal attack
    g.heroArt = h.data.normalAttack();
    SpecialArt* bite = art("bite");
    BattleDemoScene& demo = h.scenes().battleDemoScene;
    int heroFirst = 0;
    for (std::uint32_t seed = 1; seed <= 24; ++seed) {
        Random::seed(seed);
        Lcg lcg(seed);
        const bool expectBite = lcg.next() % 100 < 50;
        const bool expectHeroFirst = lcg.next() % 2 == 0;
        heroFirst += expectHeroFirst;

        demo.begin();
        EXPECT_EQ(g.enemyArt, expectBite ? bite : h.data.normalAttack()) << seed;
        ASSERT_EQ(g.commandQueue.size(), 2u);
        EXPECT_EQ(g.commandQueue.front().actor, expectHeroFirst ? g.hero : g.enemy) << seed;
        // The first action shows at once, without a press.
        demo.update();
        EXPECT_EQ(h.messageLine(),
                  expectHeroFirst ? sjis("Ayaの　Attack")
                                  : (expectBite ? sjis("Golemの　Bite") : sjis("Golemの　Attack")))
            << seed;
        g.eventQueue.clear();
        g.commandQueue = {};
    }
    EXPECT_GT(heroFirst, 0);
    EXPECT_LT(heroFirst, 24);
}

TEST_F(BattleEventTest, TurnPlaysLineByLineAndDropsTheFallenEnemysCommand) {
    // Find a seed whose coin lets the hero act first (Slime draws nothing for its choice).
    std::uint32_t seed = 1;
    while (Lcg(seed).next() % 2 != 0) {
        ++seed;
    }
    Random::seed(seed);
    g.enemy->subtractHP(20);
    g.heroArt = h.data.normalAttack();
    BattleDemoScene& demo = h.scenes().battleDemoScene;
    auto frame = [&](bool decide) {
        h.keys.down.clear();
        h.input.poll(h.keys);  // lets go of the button between presses
        if (decide) {
            h.keys.down.insert(h.input.keyCode[ButtonDecide]);
            h.input.poll(h.keys);
        }
        demo.update();
    };

    demo.begin();
    frame(false);
    EXPECT_EQ(h.messageLine(), sjis("Ayaの　Attack"));
    frame(false);  // waits for the button
    EXPECT_EQ(h.messageLine(), sjis("Ayaの　Attack"));
    frame(true);
    EXPECT_EQ(h.messageLine(), sjis("Slimeは　10　のダメージをうけた！"));
    frame(true);  // the event ends and its first follow-up shows in the same frame
    EXPECT_EQ(h.messageLine(), "Splat...");
    EXPECT_EQ(m.enemyPicture.animation, g.enemy->faceImage(1));
    EXPECT_EQ(g.eventQueue.size(), 2u);
    frame(true);
    EXPECT_EQ(h.messageLine(), "Victory!");
    frame(true);
    EXPECT_TRUE(g.eventQueue.empty());
    EXPECT_EQ(g.commandQueue.size(), 1u);
    frame(false);  // Slime is down: its command goes without a word
    EXPECT_TRUE(g.commandQueue.empty());
    EXPECT_EQ(h.messageLine(), "Victory!");
    EXPECT_EQ(g.hero->hp(), 200);
    EXPECT_FALSE(demo.finished);
    frame(false);
    EXPECT_TRUE(demo.finished);
    EXPECT_EQ(demo.result, 0);
}
