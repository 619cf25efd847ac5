// The battle test (--ground, --hero) begins exactly where a player who won the grounds before
// and chose that hero would be: compared with sessions played by pressing the real buttons in
// the shipped game, picture for picture.
#include "workbench/BattleStart.h"

#include <filesystem>

#include "WorkbenchFolder.h"
#include "app/CommandLine.h"
#include "app/ReplayKeySource.h"
#include "gfx/ImageFile.h"
#include "platform/freetype/FreeTypeText.h"
#include "platform/headless/HeadlessShell.h"

namespace fs = std::filesystem;

namespace {

// A game of the shipped game folder with its real font, driven by presses.
class ShippedGame {
public:
    explicit ShippedGame(TextRasterizer* text) : game(text) {
        EXPECT_TRUE(game.start(nullptr, nullptr));
        game.attachWindow(2);
    }
    void frame() { game.frame(keys); }
    void press(Button button) {
        keys.down = {game.input().keyCode[button]};
        frame();
        keys.down.clear();
        frame();
    }
    const Scene* scene() { return game.mainScene().currentScene; }
    SceneSet& scenes() { return *game.sceneGlobals().scenes; }

    Game game;
    HeldKeys keys;
};

// Pixels in which the two games' next pictures differ; the blink animation, which runs on
// frame counts and not on play, is put back to its start in both first.
long differingPixels(Game& a, Game& b) {
    for (Game* game : {&a, &b}) {
        game->mainScene().blinkAnimation.reset();
        game->mainScene().draw(game->framebuffer());
    }
    long count = 0;
    for (int y = 0; y < Game::kScreenHeight; ++y) {
        for (int x = 0; x < Game::kScreenWidth; ++x) {
            count += ((a.framebuffer().pixel(x, y) ^ b.framebuffer().pixel(x, y)) & 0xFFFFFF) != 0;
        }
    }
    return count;
}

class ShippedBattleStart : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = fs::current_path();
        fs::current_path(fs::path(VK_BINARY_DIR) / "game");
        std::string error;
        text_ = FreeTypeText::open(error);
        ASSERT_TRUE(text_) << error;
    }
    void TearDown() override { fs::current_path(previous_); }

    // The first golden playthrough wins the first ground with the third hero; played on until
    // the marker stands on the second ground's point.
    std::unique_ptr<ShippedGame> playFirstWin() {
        Replay replay;
        std::string error;
        EXPECT_TRUE(replay.load(
            std::string(VK_SOURCE_DIR) + "/tests/golden/playthroughs/first-win.replay", error))
            << error;
        auto played = std::make_unique<ShippedGame>(text_.get());
        ReplayKeySource keys(replay);
        for (int frame = 1; frame <= replay.length(); ++frame) {
            keys.beginFrame(frame, played->game.input());
            played->game.frame(keys);
        }
        for (int i = 0; i < 200 && !played->game.mainScene().mapWindow.arrived(); ++i) {
            played->frame();
        }
        return played;
    }

    fs::path previous_;
    std::unique_ptr<FreeTypeText> text_;
};

}  // namespace

TEST_F(ShippedBattleStart, GroundIntroductionIsWhatTheWinBeforeItLeaves) {
    const std::unique_ptr<ShippedGame> played = playFirstWin();
    ASSERT_EQ(played->scene(), &played->scenes().startScene);
    ASSERT_EQ(played->game.sceneGlobals().battleGround, 1);

    ShippedGame tested(text_.get());
    ASSERT_TRUE(BattleStart::begin(tested.game, {2, 0}));
    EXPECT_EQ(tested.scene(), &tested.scenes().startScene);
    const BackgroundWindow& map = tested.game.mainScene().mapWindow;
    EXPECT_EQ(map.markerX, played->game.mainScene().mapWindow.markerX);
    EXPECT_EQ(map.markerY, played->game.mainScene().mapWindow.markerY);
    EXPECT_EQ(differingPixels(played->game, tested.game), 0);
}

TEST_F(ShippedBattleStart, HeroStartIsWhatChoosingThatHeroShows) {
    // After the first win, the first hero (fresh: the third one fought) at the second ground.
    const std::unique_ptr<ShippedGame> played = playFirstWin();
    while (played->scene() == &played->scenes().startScene) {
        played->press(ButtonDecide);
    }
    played->press(ButtonDecide);  // "しょうぶする"
    ASSERT_EQ(played->scene(), &played->scenes().characterSelectScene);
    played->press(ButtonLeft);  // the list remembers the third hero
    played->press(ButtonLeft);
    played->press(ButtonDecide);
    played->press(ButtonDecide);  // "はい"
    ASSERT_EQ(played->scene(), &played->scenes().battleStartScene);

    ShippedGame tested(text_.get());
    ASSERT_TRUE(BattleStart::begin(tested.game, {2, 1}));
    EXPECT_EQ(tested.scene(), &tested.scenes().battleStartScene);
    EXPECT_EQ(tested.game.sceneGlobals().hero, tested.game.data().playerState(0));
    EXPECT_EQ(differingPixels(played->game, tested.game), 0);

    // And the game goes on as usual: the opening lines, then the command menu.
    tested.press(ButtonDecide);
    tested.press(ButtonDecide);
    EXPECT_EQ(tested.scene(), &tested.scenes().battleCommandScene);
}

TEST_F(ShippedBattleStart, HeroAtTheFirstGroundMatchesAFreshGame) {
    ShippedGame played(text_.get());
    while (played.scene() == &played.scenes().startScene) {
        played.press(ButtonDecide);
    }
    played.press(ButtonDecide);
    played.press(ButtonRight);
    played.press(ButtonRight);
    played.press(ButtonRight);
    played.press(ButtonDecide);
    played.press(ButtonDecide);
    ASSERT_EQ(played.scene(), &played.scenes().battleStartScene);

    ShippedGame tested(text_.get());
    ASSERT_TRUE(BattleStart::begin(tested.game, {0, 4}));  // a hero alone: the first ground
    EXPECT_EQ(tested.game.sceneGlobals().battleGround, 0);
    EXPECT_EQ(differingPixels(played.game, tested.game), 0);
}

// A session recorded from a battle test names its start point, and played back it shows the
// same pictures; without the start point the data file's own numbers decide (exit code 2).
TEST_F(ShippedBattleStart, ReplayOfABattleTestPlaysTheSame) {
    const std::string replay = std::string(VK_BINARY_DIR) + "/battle-test.replay";
    const std::string recorded = std::string(VK_BINARY_DIR) + "/battle-test-recorded.png";
    const std::string replayed = std::string(VK_BINARY_DIR) + "/battle-test-replayed.png";
    CommandLine options;
    options.headless = true;
    options.seed = 11;
    options.start = {3, 2};
    options.frames = 40;
    options.record = replay;
    options.screenshot = recorded;
    std::vector<InputStep> presses;
    for (int frame = 0; frame < 40; frame += 4) {
        presses.push_back({frame, {0x20}, 0});
        presses.push_back({frame + 2, {}, 0});
    }
    std::ostringstream err;
    ASSERT_EQ(runHeadless(options, presses, err), 0) << err.str();
    std::ifstream in(replay);
    std::string header;
    std::getline(in, header);
    EXPECT_EQ(header, "velkaros-replay 2 seed 11 ground 3 hero 2");

    CommandLine again;
    again.headless = true;
    again.input = replay;
    again.screenshot = replayed;
    ASSERT_EQ(runHeadless(again, {}, err), 0) << err.str();
    Image a;
    Image b;
    ASSERT_TRUE(loadImageFile(a, recorded));
    ASSERT_TRUE(loadImageFile(b, replayed));
    ASSERT_EQ(a.width(), b.width());
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            ASSERT_EQ(a.pixel(x, y) & 0xFFFFFF, b.pixel(x, y) & 0xFFFFFF) << x << "," << y;
        }
    }

    CommandLine outside;
    outside.headless = true;
    outside.start = {99, 0};
    EXPECT_EQ(runHeadless(outside, {}, err), 2);
    EXPECT_NE(err.str().find("--ground 99: the data file has "), std::string::npos) << err.str();
}

using BattleStartCheck = WorkbenchFolder;

TEST_F(BattleStartCheck, NamesHowManyGroundsAndHeroesThereAre) {
    DataManager data;
    data.setQuiet(true);
    ASSERT_TRUE(data.load("script.dat"));
    std::string error;
    EXPECT_TRUE(BattleStart::check(data, {}, error));
    EXPECT_TRUE(BattleStart::check(data, {2, 2}, error));
    EXPECT_FALSE(BattleStart::check(data, {3, 0}, error));
    EXPECT_EQ(error,
              "--ground 3: the data file has 2 battle grounds (1 to 2, one for each Enemy block)");
    EXPECT_FALSE(BattleStart::check(data, {1, 3}, error));
    EXPECT_EQ(error, "--hero 3: the data file has 2 heroes (1 to 2, one for each Player block)");

    writeScript("SpecialArt normalAttack\nPlayer\nname Zero\n");
    ASSERT_TRUE(data.load("script.dat"));
    EXPECT_FALSE(BattleStart::check(data, {1, 0}, error));
    EXPECT_EQ(error, "--ground 1: the data file has no battle grounds (no Enemy block)");
    writeScript("SpecialArt normalAttack\nPlayer\nname Zero\nEnemy\n");
    ASSERT_TRUE(data.load("script.dat"));
    EXPECT_FALSE(BattleStart::check(data, {1, 1}, error));
    EXPECT_EQ(error, "--hero 1 cannot fight: its maxHP is 0");
    EXPECT_TRUE(BattleStart::check(data, {1, 0}, error));
}
