// The gallery of --preview: its pages and buttons, what it draws, and its run without a window.
#include "workbench/Preview.h"

#include "SjisText.h"
#include "WorkbenchFolder.h"
#include "app/CommandLine.h"
#include "platform/headless/HeadlessShell.h"
#include "workbench/ArtChance.h"
#include "workbench/PreviewText.h"

using Gallery = WorkbenchFolder;

TEST_F(Gallery, ArtsUpAndDownOrByWheelFightersLeftAndRightCancelLeaves) {
    start({{}, false, true});
    const Preview& preview = *bench_->preview();
    EXPECT_EQ(preview.page(), Preview::Page::Arts);
    EXPECT_EQ(preview.artCount(), 2);      // normalAttack, fire
    EXPECT_EQ(preview.fighterCount(), 5);  // two heroes, two enemies, Me
    press(ButtonDown);
    EXPECT_EQ(preview.artIndex(), 1);
    press(ButtonDown);
    EXPECT_EQ(preview.artIndex(), 1);  // the last art stays
    game_->input().wheel(1);           // forward: the art before
    frame();
    EXPECT_EQ(preview.artIndex(), 0);
    EXPECT_EQ(preview.fighterIndex(), 0);  // the wheel's press of Left did not turn the fighters

    // The first press of the other page's buttons only turns to that page.
    press(ButtonRight);
    EXPECT_EQ(preview.page(), Preview::Page::Fighters);
    EXPECT_EQ(preview.fighterIndex(), 0);
    press(ButtonRight);
    press(ButtonRight);
    EXPECT_EQ(preview.fighterIndex(), 2);
    game_->input().wheel(-1);  // back: the next art, on the arts page
    frame();
    EXPECT_EQ(preview.page(), Preview::Page::Arts);
    EXPECT_EQ(preview.artIndex(), 0);

    EXPECT_FALSE(bench_->quitRequested());
    press(ButtonCancel);
    EXPECT_TRUE(bench_->quitRequested());
}

TEST_F(Gallery, ArtPlaysItsAnimationAndDecidePlaysItAgain) {
    start({{}, false, true});
    press(ButtonDown);  // fire: the white square two frames on, two off
    const Preview& preview = *bench_->preview();
    ASSERT_EQ(preview.artIndex(), 1);
    const int x = 80 + 2;
    const int y = 40 + 2;
    std::vector<Pixel> seen;
    for (int i = 0; i < 4; ++i) {
        frame();
        seen.push_back(shown(x, y));
    }
    EXPECT_EQ(std::count(seen.begin(), seen.end(), kWhite), 2);
    EXPECT_EQ(std::count(seen.begin(), seen.end(), 0u), 2);
    while (shown(x, y) == kWhite) {
        frame();
    }
    keys_.down = {game_->input().keyCode[ButtonDecide]};
    frame();
    EXPECT_EQ(shown(x, y), kWhite);  // from its first frame again
}

TEST_F(Gallery, FighterShowsNormalAndGrayFaceAndFullGauges) {
    start({{}, false, true});
    press(ButtonRight);
    frame();
    EXPECT_EQ(shown(30, 50), kRed);  // アキ wears face1
    const Pixel gray = shown(140, 50);
    EXPECT_NE(gray, kRed);
    EXPECT_EQ(gray & 0xFF, (gray >> 8) & 0xFF);
    EXPECT_EQ(gray & 0xFF, (gray >> 16) & 0xFF);
    const CharacterState& hero = *game_->data().playerState(0);
    EXPECT_EQ(hero.hp(), hero.maxHP());
}

// Without a window: the run draws the gallery and ends at Cancel, before its frames are up.
TEST_F(Gallery, RunsHeadlessUntilCancel) {
    CommandLine options;
    options.headless = true;
    options.preview = true;
    options.frames = 100;
    options.framesGiven = true;
    options.record = "gallery.replay";
    options.screenshot = "gallery.png";
    std::ostringstream err;
    ASSERT_EQ(runHeadless(options, {{1, {0x28}, 0}, {2, {}, 0}, {5, {0x10}, 0}}, err), 0)
        << err.str();
    std::ifstream in("gallery.replay");
    const std::string replay((std::istreambuf_iterator<char>(in)), {});
    EXPECT_NE(replay.find("\n6 end\n"), std::string::npos) << replay;
    EXPECT_TRUE(std::filesystem::exists("gallery.png"));
}

TEST(ArtChance, DrawsAsTheGameDoesWithTheModuloBias) {
    EXPECT_DOUBLE_EQ(ArtChance::drawBelow(100, 30), (327.0 * 30 + 30) / 32768);
    EXPECT_DOUBLE_EQ(ArtChance::drawBelow(100, 0), 0);
    EXPECT_DOUBLE_EQ(ArtChance::drawBelow(100, -5), 0);
    EXPECT_DOUBLE_EQ(ArtChance::drawBelow(70, 70), 1);
    EXPECT_DOUBLE_EQ(ArtChance::drawBelow(64, 16), 0.25);
}

TEST(ArtChance, ShareOfEachArtAndTheRestForTheNormalAttack) {
    DataManager data;
    data.setQuiet(true);
    ASSERT_TRUE(
        data.loadFromMemory("SpecialArt normalAttack\nSpecialArt a\nSpecialArt b\n"
                            "Enemy\nspecialArt a 30\nspecialArt b 70\n"
                            "Enemy\nspecialArt a 100\nspecialArt b 50\n"
                            "Enemy\nspecialArt a 0\nspecialArt b 0\n"
                            "Enemy\nspecialArt a 16\nspecialArt a 16\n"
                            "Enemy\n"));
    const SpecialArt* normal = data.normalAttack();
    const SpecialArt* a = data.specialArtTable().at("a");
    const SpecialArt* b = data.specialArtTable().at("b");
    auto chance = [&](int enemy, const SpecialArt* art) {
        return ArtChance::chanceOf(*data.enemyState(enemy), art, normal);
    };
    // 30 and 70: the second takes all the first leaves, the normal attack nothing.
    EXPECT_NEAR(chance(0, a), 0.3, 0.001);
    EXPECT_NEAR(chance(0, b), 0.7, 0.001);
    EXPECT_DOUBLE_EQ(chance(0, normal), 0);
    EXPECT_DOUBLE_EQ(chance(1, a), 1);
    EXPECT_DOUBLE_EQ(chance(1, b), 0);
    EXPECT_DOUBLE_EQ(chance(2, normal), 1);
    EXPECT_NEAR(chance(3, a), 0.32, 0.001);  // listed twice, added up
    EXPECT_DOUBLE_EQ(chance(4, normal), 1);
    EXPECT_EQ(ArtChance::movesOf(*data.enemyState(3), normal).size(), 3u);
}

TEST(PreviewText, UsersWithTheirChanceOnLinesThatFit) {
    EXPECT_EQ(PreviewText::percent(0), "0%");
    EXPECT_EQ(PreviewText::percent(0.001), "<1%");
    EXPECT_EQ(PreviewText::percent(0.305), "31%");
    EXPECT_EQ(PreviewText::fitted(sjis("abあい"), 5), sjis("abあ"));
    EXPECT_EQ(PreviewText::fitted(sjis("abあい"), 4), sjis("abあ"));
    EXPECT_EQ(PreviewText::fitted(sjis("abあい"), 3), "ab");
    EXPECT_EQ(PreviewText::wrap("AB: ", {"one", "two", "three"}, 12),
              (std::vector<std::string>{sjis("AB: one　two"), "    three"}));

    DataManager data;
    data.setQuiet(true);
    ASSERT_TRUE(
        data.loadFromMemory("SpecialArt normalAttack\nSpecialArt fire\nSpecialArt ice\n"
                            "Player\nname Aki\nspecialArt fire 0\nPlayer\nname Ben\n"
                            "Enemy\nname Orc\nspecialArt fire 25\n"
                            "message start go!\\nnow\n"));
    SpecialArt& fire = *data.specialArtTable().at("fire");
    EXPECT_EQ(PreviewText::artUsers(data, fire, 48),
              (std::vector<std::string>{sjis("なかま：Aki"), sjis("てき　：Orc 25%")}));
    EXPECT_EQ(PreviewText::artUsers(data, *data.normalAttack(), 48),
              (std::vector<std::string>{sjis("なかま：Aki　Ben"), sjis("てき　：Orc 75%")}));
    EXPECT_EQ(PreviewText::artUsers(data, *data.specialArtTable().at("ice"), 48),
              (std::vector<std::string>{sjis("だれも　つかわない")}));
    EXPECT_EQ(
        PreviewText::fighterLines(*data.enemyState(0)),
        (std::vector<std::string>{sjis("ようす：（なし）"), sjis("はじめ：go!"), "        now",
                                  sjis("かち　：（なし）"), sjis("まけ　：（なし）")}));
}
