#include <gtest/gtest.h>

#include "GameHarness.h"
#include "SjisText.h"
#include "data/SpecialArt.h"
#include "scenes/EndingText.h"
#include "text/Catalogue.h"

namespace {

// Presses the button until the current scene is no longer `scene`; false after too many.
bool pressWhile(GameHarness& h, Button button, const Scene* scene, int limit = 40) {
    for (int i = 0; i < limit && h.current() == scene; ++i) {
        h.press(button);
    }
    return h.current() != scene;
}

// From the introduction of a battle ground to the first battle command, with hero `index`
// (the roster cursor is on the first hero when the test starts).
void enterBattle(GameHarness& h, int index) {
    SceneSet& s = h.scenes();
    ASSERT_EQ(h.current(), &s.startScene);
    ASSERT_TRUE(pressWhile(h, ButtonDecide, &s.startScene));
    ASSERT_EQ(h.cursorLabel(), sjis("しょうぶする"));
    h.press(ButtonDecide);
    ASSERT_EQ(h.current(), &s.characterSelectScene);
    h.press(ButtonRight, index);
    h.press(ButtonDecide);
    ASSERT_EQ(h.current(), &s.characterConfirmScene);
    h.press(ButtonDecide);
    ASSERT_EQ(h.current(), &s.battleStartScene);
    ASSERT_TRUE(pressWhile(h, ButtonDecide, &s.battleStartScene));
    ASSERT_EQ(h.current(), &s.battleCommandScene);
}

// Attacks until the battle is over; returns the scene that follows it.
Scene* fightWithAttacks(GameHarness& h) {
    SceneSet& s = h.scenes();
    for (int turn = 0; turn < 30 && h.current() == &s.battleCommandScene; ++turn) {
        h.press(ButtonDecide);
        pressWhile(h, ButtonDecide, &s.battleDemoScene);
    }
    return h.current();
}

}  // namespace

TEST(GameFlowTest, FleeingKeepsTheGroundAndEveryonesHP) {
    GameHarness h("battle.dat");
    SceneSet& s = h.scenes();
    const MainScene& m = h.mainScene;
    CharacterState* aya = h.data.playerState(0);
    CharacterState* slime = h.data.enemyState(0);

    EXPECT_EQ(h.messageLine(), sjis("だい 1 けっせんじょう"));
    EXPECT_EQ(m.nameWindow.lines.at(0), "Slime");
    EXPECT_EQ(m.enemyPicture.animation, slime->faceImage(0));
    EXPECT_TRUE(m.messageWindow.visible && m.mapWindow.visible);
    EXPECT_FALSE(m.optionWindow.visible || m.statusWindow.visible || m.heroPicture.visible);
    h.press(ButtonDecide);
    EXPECT_EQ(h.messageLine(), "Wobbly");  // the description is the second page
    h.press(ButtonDecide);

    ASSERT_EQ(h.current(), &s.startSelectScene);
    EXPECT_EQ(m.optionWindow.menu, &h.globals.initMenu);
    EXPECT_EQ(m.optionWindow.rows, 1);
    EXPECT_EQ(m.optionWindow.columns, 2);
    EXPECT_FALSE(m.messageWindow.visible);
    h.press(ButtonDown);  // one row of two: lands on the last entry
    EXPECT_EQ(h.cursorLabel(), sjis("にげる"));
    h.press(ButtonDecide);
    ASSERT_EQ(h.current(), &s.startScene);
    EXPECT_EQ(h.messageLine(), sjis("だい 1 けっせんじょう"));

    h.press(ButtonDecide, 2);
    EXPECT_EQ(h.cursorLabel(), sjis("にげる"));  // the choice menu keeps its cursor
    h.press(ButtonCancel);                       // cancel runs away as well
    ASSERT_EQ(h.current(), &s.startScene);
    h.press(ButtonDecide, 2);
    h.press(ButtonLeft);
    h.press(ButtonDecide);

    ASSERT_EQ(h.current(), &s.characterSelectScene);
    EXPECT_EQ(h.optionLine(), sjis("だれに　しますか？"));
    EXPECT_EQ(m.optionWindow.columns, 4);
    EXPECT_EQ(m.heroPicture.animation, aya->faceImage(0));
    EXPECT_EQ(m.statusWindow.character, aya);
    h.press(ButtonDecide);
    ASSERT_EQ(h.current(), &s.characterConfirmScene);
    EXPECT_EQ(h.optionLine(), sjis("Ayaで　いいかな？"));
    EXPECT_EQ(h.cursorLabel(), sjis("はい"));
    h.press(ButtonCancel);  // cancel does not leave the question
    EXPECT_EQ(h.current(), &s.characterConfirmScene);
    h.press(ButtonRight);
    h.press(ButtonDecide);
    ASSERT_EQ(h.current(), &s.characterSelectScene);
    h.press(ButtonDecide);
    EXPECT_EQ(h.cursorLabel(), sjis("はい"));  // the question starts on "はい" again
    h.press(ButtonDecide);

    // The hero's three-line start line, two lines a page, then the enemy's.
    ASSERT_EQ(h.current(), &s.battleStartScene);
    EXPECT_EQ(m.messageWindow.linesPerPage, 2);
    EXPECT_EQ(h.messageLine(), "Here");
    h.press(ButtonDecide);
    EXPECT_EQ(h.messageLine(), "come");
    h.press(ButtonDecide);
    EXPECT_EQ(h.messageLine(), "Blub");
    h.press(ButtonDecide);

    ASSERT_EQ(h.current(), &s.battleCommandScene);
    EXPECT_EQ(m.optionWindow.menu, &h.globals.battleCommandMenu);
    EXPECT_EQ(m.optionWindow.rows, 2);
    EXPECT_EQ(m.optionWindow.columns, 2);
    EXPECT_EQ(h.cursorLabel(), sjis("たたかう"));
    // One turn of normal attacks, then run away.
    h.press(ButtonDecide);
    ASSERT_EQ(h.current(), &s.battleDemoScene);
    ASSERT_TRUE(pressWhile(h, ButtonDecide, &s.battleDemoScene));
    ASSERT_EQ(h.current(), &s.battleCommandScene);
    EXPECT_EQ(aya->hp(), 190);
    EXPECT_EQ(slime->hp(), 20);
    h.press(ButtonDown);
    EXPECT_EQ(h.cursorLabel(), sjis("にげる"));
    h.press(ButtonDecide);

    ASSERT_EQ(h.current(), &s.startScene);
    EXPECT_EQ(h.globals.battleGround, 0);
    EXPECT_EQ(h.messageLine(), sjis("だい 1 けっせんじょう"));
    enterBattle(h, 0);
    EXPECT_EQ(m.statusWindow.character, aya);
    EXPECT_EQ(aya->hp(), 190);
    EXPECT_EQ(slime->hp(), 20);
}

TEST(GameFlowTest, AnArtTheHeroCannotPayDoesNothing) {
    GameHarness h("battle.dat");
    SceneSet& s = h.scenes();
    enterBattle(h, 0);
    h.press(ButtonRight);
    EXPECT_EQ(h.cursorLabel(), sjis("ひっさつわざ"));
    h.press(ButtonDecide);
    EXPECT_EQ(h.cursorLabel(), "Fire");
    h.press(ButtonRight);
    EXPECT_EQ(h.cursorLabel(), "Meteor");
    h.press(ButtonDecide);  // 99 MP wanted, 20 held
    EXPECT_EQ(h.current(), &s.battleCommandScene);
    EXPECT_EQ(h.cursorLabel(), "Meteor");
    EXPECT_EQ(h.globals.heroArt, nullptr);
    EXPECT_EQ(h.data.playerState(0)->mp(), 20);
    h.press(ButtonCancel);
    EXPECT_EQ(h.cursorLabel(), sjis("ひっさつわざ"));
    h.press(ButtonCancel);  // nothing at the top level
    EXPECT_EQ(h.current(), &s.battleCommandScene);
    EXPECT_EQ(h.cursorLabel(), sjis("ひっさつわざ"));
}

TEST(GameFlowTest, WinningEveryGroundReachesTheEnding) {
    GameHarness h("battle.dat", 7);
    SceneSet& s = h.scenes();
    const MainScene& m = h.mainScene;
    CharacterState* aya = h.data.playerState(0);
    CharacterState* slime = h.data.enemyState(0);

    enterBattle(h, 0);
    // Play until Slime falls, watching its defeat line and gray face.
    bool sawDefeat = false;
    for (int i = 0; i < 60 && h.current() != &s.winScene; ++i) {
        h.press(ButtonDecide);
        if (h.messageLine() == "Splat...") {
            sawDefeat = true;
            EXPECT_EQ(m.enemyPicture.animation, slime->faceImage(1));
        }
    }
    EXPECT_TRUE(sawDefeat);
    ASSERT_EQ(h.current(), &s.winScene);
    EXPECT_EQ(h.globals.battleGround, 1);
    EXPECT_FALSE(m.mapWindow.arrived());
    EXPECT_EQ(h.messageLine(), "");
    EXPECT_EQ(m.enemyPicture.animation, nullptr);
    // The marker walks to the second ground on its own.
    for (int i = 0; i < 200 && h.current() == &s.winScene; ++i) {
        h.frame();
    }
    ASSERT_EQ(h.current(), &s.startScene);
    EXPECT_EQ(h.messageLine(), sjis("だい 2 けっせんじょう"));
    EXPECT_EQ(m.nameWindow.lines.at(0), "Golem");

    enterBattle(h, 0);
    const int hpBefore = aya->hp();
    EXPECT_LT(hpBefore, 200);  // HP carries over from the first battle
    h.press(ButtonRight);
    h.press(ButtonDecide);
    h.press(ButtonDecide);  // Fire
    ASSERT_EQ(h.current(), &s.battleDemoScene);
    bool sawFire = false;
    for (int i = 0; i < 10 && h.current() == &s.battleDemoScene; ++i) {
        if (h.messageLine() == sjis("Ayaの　Fire")) {
            sawFire = true;
            EXPECT_EQ(m.heroPicture.animation, h.globals.heroArt->animation);
        }
        h.press(ButtonDecide);
    }
    EXPECT_TRUE(sawFire);
    EXPECT_EQ(aya->mp(), 10);
    ASSERT_EQ(fightWithAttacks(h), &s.winScene);
    EXPECT_TRUE(aya->isAlive());

    // The last ground: the decide button skips the walk to the goal, and the ending follows.
    EXPECT_EQ(h.globals.battleGround, 2);
    h.press(ButtonDecide);
    ASSERT_EQ(h.current(), &s.endScene);
    EXPECT_EQ(m.messageWindow.lines.size(), 3u);
    EXPECT_EQ(h.messageLine(), sjis("おれたちの　たたかいは　これからだ！"));
    h.press(ButtonDecide);
    EXPECT_EQ(h.messageLine(), sjis("じかいさくに　ごきたいください！"));
    h.press(ButtonDecide, 3);
    EXPECT_EQ(h.messageLine(), sjis("＊＊＊＊＊＊＊＊＊　おわり　＊＊＊＊＊＊＊＊＊"));
    EXPECT_EQ(h.current(), &s.endScene);
}

TEST(GameFlowTest, LosingEveryHeroReachesGameOver) {
    GameHarness h("doom.dat", 3);
    SceneSet& s = h.scenes();
    const MainScene& m = h.mainScene;
    EXPECT_EQ(m.registryCharacter, nullptr);  // no "Me" block

    enterBattle(h, 0);
    bool sawFall = false;
    for (int i = 0; i < 20 && h.current() == &s.battleCommandScene; ++i) {
        h.press(ButtonDecide);
        while (h.current() == &s.battleDemoScene) {
            if (h.messageLine() == sjis("Ayaは　999　のダメージをうけた！")) {
                EXPECT_TRUE(m.heroPicture.animate);  // the hero's face blinks
                EXPECT_EQ(m.enemyPicture.animation, h.data.enemyState(0)->faceImage(0));
            }
            if (h.messageLine() == sjis("Ayaは　たおれた")) {
                sawFall = true;
                EXPECT_EQ(m.heroPicture.animation, h.data.playerState(0)->faceImage(1));
            }
            h.press(ButtonDecide);
        }
    }
    EXPECT_TRUE(sawFall);
    // The lost battle passes through the win scene inside one frame.
    ASSERT_EQ(h.current(), &s.startScene);
    EXPECT_EQ(h.globals.battleGround, 0);

    ASSERT_TRUE(pressWhile(h, ButtonDecide, &s.startScene));
    h.press(ButtonDecide);
    ASSERT_EQ(h.current(), &s.characterSelectScene);
    EXPECT_EQ(h.cursorLabel(), "Aya");  // the cursor rests on the fallen hero
    EXPECT_EQ(m.heroPicture.animation, h.data.playerState(0)->faceImage(0));
    h.press(ButtonDecide);
    EXPECT_EQ(h.current(), &s.characterSelectScene);

    h.press(ButtonRight);
    h.press(ButtonDecide);
    h.press(ButtonDecide);
    ASSERT_TRUE(pressWhile(h, ButtonDecide, &s.battleStartScene));
    EXPECT_EQ(fightWithAttacks(h), &s.gameOverScene);

    EXPECT_EQ(m.messageWindow.lines.size(), 5u);
    EXPECT_EQ(m.messageWindow.linesPerPage, 1);
    EXPECT_FALSE(m.optionWindow.visible || m.statusWindow.visible || m.heroPicture.visible);
    h.press(ButtonDecide, 6);
    EXPECT_EQ(h.messageLine(), sjis("＊＊＊＊＊＊　ＧＡＭＥ　ＯＶＥＲ　＊＊＊＊＊＊"));
    EXPECT_EQ(h.current(), &s.gameOverScene);
}

TEST(GameFlowTest, GameOverPoemKeepsItsIndentAndFitsTheWindow) {
    const std::string& poem = text(TextId::GameOverText);
    const std::string indent = sjis("　");
    const int expectedIndent[] = {3, 3, 5, 8};
    std::size_t start = 0;
    for (int line = 0; line < 4; ++line) {
        const std::size_t end = poem.find('\n', start);
        ASSERT_NE(end, std::string::npos);
        const std::string row = poem.substr(start, end - start);
        EXPECT_LE(row.size(), 48u) << line;
        int spaces = 0;
        while (row.compare(spaces * indent.size(), indent.size(), indent) == 0) {
            ++spaces;
        }
        EXPECT_EQ(spaces, expectedIndent[line]) << line;
        start = end + 1;
    }
    EXPECT_EQ(poem.substr(start), sjis("＊＊＊＊＊＊　ＧＡＭＥ　ＯＶＥＲ　＊＊＊＊＊＊"));
}

TEST(GameFlowTest, AnEnemyWithoutADescriptionHasAOnePageIntroduction) {
    GameHarness h("silent.dat");
    SceneSet& s = h.scenes();
    ASSERT_TRUE(h.loaded);
    ASSERT_EQ(h.current(), &s.startScene);
    EXPECT_EQ(h.messageLine(), sjis("だい 1 けっせんじょう"));
    EXPECT_EQ(h.mainScene.messageWindow.lines.size(), 1u);
    // The first Decide leaves the scene: no blank page before the choice.
    h.press(ButtonDecide);
    EXPECT_EQ(h.current(), &s.startSelectScene);
    EXPECT_EQ(h.cursorLabel(), sjis("しょうぶする"));
    // Running away shows the same one page again.
    h.press(ButtonCancel);
    ASSERT_EQ(h.current(), &s.startScene);
    EXPECT_EQ(h.mainScene.messageWindow.lines.size(), 1u);
    h.press(ButtonDecide);
    EXPECT_EQ(h.current(), &s.startSelectScene);
}
