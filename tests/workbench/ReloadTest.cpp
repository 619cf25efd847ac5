// Reading the data file and every picture again (F5, --watch): a good file replaces the data
// and the game begins again at the current ground or the start point; a broken one changes
// nothing at all.
#include <string>

#include "SjisText.h"
#include "WorkbenchFolder.h"
#include "platform/Dialogs.h"
#include "ui/WindowImages.h"
#include "workbench/BattleStart.h"
#include "workbench/Preview.h"

namespace {

class RecordedDialogs : public Dialogs {
public:
    void messageBox(const std::string& text, const std::string&) override { boxes.push_back(text); }
    std::vector<std::string> boxes;
};

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    text.replace(text.find(from), from.size(), to);
    return text;
}

}  // namespace

using Reload = WorkbenchFolder;

TEST_F(Reload, GoodFileBeginsAgainAtTheCurrentGroundWithTheMusicPlayingOn) {
    start();
    BattleStart::beginAtGround(*game_, 1);
    while (scene() == &scenes().startScene) {
        press(ButtonDecide);  // on to the choice of fight or flight
    }
    ASSERT_EQ(scene(), &scenes().startSelectScene);
    const Sound* music = game_->soundManager().slotSound(0);
    const int position = game_->soundManager().slotPosition(0);

    writeScript(replaced(kSmallGame, sjis("name ゴブリン"), sjis("name オーガ")));
    ASSERT_TRUE(bench_->reload()) << log_.str();
    EXPECT_EQ(scene(), &scenes().startScene);
    EXPECT_EQ(game_->sceneGlobals().battleGround, 1);
    EXPECT_EQ(game_->mainScene().nameWindow.lines.at(0), sjis("オーガ"));
    EXPECT_EQ(game_->soundManager().slotSound(0), music);
    EXPECT_EQ(game_->soundManager().slotPosition(0), position);
    // The new registry is the one every single instance reaches.
    EXPECT_EQ(DataManager::instance(), &game_->data());
    EXPECT_EQ(DataManager::sharedNormalAttack(), game_->data().normalAttack());
    EXPECT_NE(DataManager::sharedNormalAttack(), nullptr);
    frame();
}

TEST_F(Reload, BrokenFileLeavesTheGameAsItWas) {
    RecordedDialogs dialogs;
    start({}, &dialogs);
    while (scene() == &scenes().startScene) {
        press(ButtonDecide);
    }
    press(ButtonDecide);  // the hero list
    ASSERT_EQ(scene(), &scenes().characterSelectScene);
    DataManager* data = &game_->data();
    CharacterState* hero = data->playerState(0);
    const WindowImages* pictures = WindowImages::instance();
    SpecialArt* normal = DataManager::sharedNormalAttack();

    // Codes 1 and 2 show the box, as at start-up; code 3 only writes the report.
    const std::string broken[] = {kSmallGame + std::string("Enemy\nfaceImage nowhere\n"),
                                  kSmallGame + std::string("Enemy\ncolour 3\n"),
                                  kSmallGame + std::string("Enemy\nmaxHP 12x\n")};
    testing::internal::CaptureStderr();
    for (const std::string& text : broken) {
        writeScript(text);
        EXPECT_FALSE(bench_->reload());
    }
    std::filesystem::remove("script.dat");  // mid-save, say
    EXPECT_FALSE(bench_->reload());
    const std::string printed = testing::internal::GetCapturedStderr();
    ASSERT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_NE(dialogs.boxes[0].find(sjis("エラーコード 1")), std::string::npos);
    EXPECT_NE(dialogs.boxes[1].find(sjis("エラーコード 2")), std::string::npos);
    EXPECT_NE(printed.find("maxHP 12x"), std::string::npos) << printed;  // code 3: stderr only

    EXPECT_EQ(&game_->data(), data);
    EXPECT_EQ(data->playerState(0), hero);
    EXPECT_EQ(hero->name(), sjis("アキ"));
    EXPECT_EQ(WindowImages::instance(), pictures);
    EXPECT_EQ(DataManager::instance(), data);
    EXPECT_EQ(DataManager::sharedNormalAttack(), normal);
    EXPECT_EQ(scene(), &scenes().characterSelectScene);
    // The game plays on: the pick is made and the battle begins.
    press(ButtonDecide);
    press(ButtonDecide);
    EXPECT_EQ(scene(), &scenes().battleStartScene);
    EXPECT_EQ(game_->sceneGlobals().hero, hero);
}

TEST_F(Reload, EveryPictureIsReadAgain) {
    writePicture("image/borderlt.png", 8, 8, kRed);
    writePicture("image/goddamn1.png", 32, 16, kRed);
    writePicture("image/goal.png", 16, 16, kRed);
    start();
    frame();
    const int enemyX = game_->mainScene().enemyPicture.left + 4;
    const int enemyY = game_->mainScene().enemyPicture.top + 4;
    ASSERT_EQ(shown(enemyX, enemyY), kBlue);   // the first enemy wears face2
    ASSERT_EQ(shown(16, 56), kRed);            // the message window's top-left border tile
    ASSERT_EQ(shown(16 + 190, 88 + 2), kRed);  // the goal, on the map

    writePicture("image/face2.png", 96, 48, kWhite);
    writePicture("image/borderlt.png", 8, 8, kBlue);
    writePicture("image/goddamn1.png", 32, 16, kWhite);
    writePicture("image/goal.png", 16, 16, kBlue);
    ASSERT_TRUE(bench_->reload()) << log_.str();
    frame();
    EXPECT_EQ(shown(enemyX, enemyY), kWhite);
    EXPECT_EQ(shown(16, 56), kBlue);
    const MainScene& screen = game_->mainScene();
    EXPECT_EQ(shown(screen.mapWindow.left, screen.mapWindow.top), kWhite);
    EXPECT_EQ(shown(screen.mapWindow.left + 190, screen.mapWindow.top + 2), kBlue);  // the goal
}

TEST_F(Reload, StartPointIsWhereItBeginsAgainWhileItExists) {
    RecordedDialogs dialogs;
    start({{2, 2}}, &dialogs);
    ASSERT_EQ(scene(), &scenes().battleStartScene);
    press(ButtonDecide);
    press(ButtonDecide);
    ASSERT_EQ(scene(), &scenes().battleCommandScene);

    writeScript(replaced(kSmallGame, "maxHP 80", "maxHP 90"));
    ASSERT_TRUE(bench_->reload()) << log_.str();
    EXPECT_EQ(scene(), &scenes().battleStartScene);
    EXPECT_EQ(game_->sceneGlobals().battleGround, 1);
    EXPECT_EQ(game_->sceneGlobals().hero->maxHP(), 90);

    // Without a second Enemy the battle test has nowhere to go: the old data stays.
    const std::string oneGround =
        replaced(kSmallGame, sjis("Enemy\nname ゴブリン"), "Player\nname X");
    writeScript(oneGround);
    EXPECT_FALSE(bench_->reload());
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_NE(dialogs.boxes[0].find("--ground 2: the data file has 1 battle ground"),
              std::string::npos)
        << dialogs.boxes[0];
    EXPECT_EQ(game_->sceneGlobals().hero->maxHP(), 90);
    EXPECT_EQ(game_->data().enemyCount(), 2);
}

TEST_F(Reload, WatchLooksAboutOnceASecondAndFollowsNewPictures) {
    start({{}, true, false});
    EXPECT_FALSE(bench_->poll(0));
    writePicture("image/face2.png", 96, 48, kWhite);
    EXPECT_FALSE(bench_->poll(999));  // too soon to look
    EXPECT_TRUE(bench_->poll(1000));
    frame();
    EXPECT_EQ(game_->data().enemyState(0)->faceImage(0)->pixel(0, 0) & 0xFFFFFF, kWhite);
    EXPECT_FALSE(bench_->poll(2000));  // nothing changed since

    // A picture that only the new file names is watched from the reload on.
    writeScript(replaced(kSmallGame, "src image\\face2.png", "src image\\face3.png"));
    writePicture("image/face3.png", 96, 48, kRed);
    EXPECT_TRUE(bench_->poll(3000));
    writePicture("image/face3.png", 96, 48, kBlue);
    EXPECT_TRUE(bench_->poll(4000));
    EXPECT_EQ(game_->data().enemyState(0)->faceImage(0)->pixel(0, 0) & 0xFFFFFF, kBlue);

    // F5 reads what changed, so the next look does not reload it again.
    writePicture("image/face3.png", 96, 48, kRed);
    EXPECT_TRUE(bench_->reload());
    EXPECT_FALSE(bench_->poll(5000));
}

TEST_F(Reload, WithoutWatchNothingIsLookedAt) {
    start();
    writePicture("image/face2.png", 96, 48, kWhite);
    EXPECT_FALSE(bench_->poll(0));
    EXPECT_FALSE(bench_->poll(5000));
}

TEST_F(Reload, GalleryShowsTheNewDataWhereItWas) {
    start({{}, false, true});
    press(ButtonDown);
    press(ButtonRight);
    press(ButtonRight);
    ASSERT_EQ(bench_->preview()->fighterIndex(), 1);
    writeScript(replaced(kSmallGame, "Me\n", "SpecialArt ice\nMe\n"));
    ASSERT_TRUE(bench_->reload()) << log_.str();
    EXPECT_EQ(bench_->preview()->artCount(), 3);
    EXPECT_EQ(bench_->preview()->page(), Preview::Page::Fighters);
    EXPECT_EQ(bench_->preview()->fighterIndex(), 1);
    EXPECT_EQ(bench_->preview()->artIndex(), 1);
    frame();
}
