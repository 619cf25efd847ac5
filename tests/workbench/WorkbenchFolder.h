#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "SjisText.h"
#include "app/Game.h"
#include "gfx/Image.h"
#include "gfx/ImageSave.h"
#include "platform/KeySource.h"
#include "scenes/SceneSet.h"
#include "workbench/Workbench.h"

// A small game of two heroes and two grounds, its pictures plain colours: faces 96 x 48
// (face1 red, face2 blue), the fire art's animation a white square that blinks every two frames.
inline const std::string kSmallGame = sjis(
    "Image face1\nsrc image\\face1.png\nImage face2\nsrc image\\face2.png\n"
    "Image blob\nsrc image\\blob.png\n"
    "Animation Serial pulse\nadd blob 2\nadd NULL 2\nloop 0\n"
    "SpecialArt normalAttack\nname たたかう\nstrength 10\n"
    "SpecialArt fire\nname ファイア\nstrength 30\nconsumeMP 5\nanimation pulse\n"
    "Player\nname アキ\nmaxHP 100\nmaxMP 20\nspecialArt fire 0\nfaceImage face1\n"
    "message start いくぞ！\n"
    "Player\nname ベン\nmaxHP 80\nmaxMP 10\nfaceImage face2\n"
    "Enemy\nname スライム\nmaxHP 30\nspecialArt fire 40\nfaceImage face2\n"
    "Enemy\nname ゴブリン\nmaxHP 50\nfaceImage face1\n"
    "Me\nname じぶん\nmaxHP 10\n");

inline constexpr Pixel kRed = 0xFF0000;
inline constexpr Pixel kBlue = 0x0000FF;
inline constexpr Pixel kWhite = 0xFFFFFF;

// Keys held down by the test.
class HeldKeys : public KeySource {
public:
    bool isDown(int virtualKey) const override {
        for (int key : down) {
            if (key == virtualKey) {
                return true;
            }
        }
        return false;
    }
    std::vector<int> down;
};

// Runs each test inside a game folder of its own holding kSmallGame and its pictures.
class WorkbenchFolder : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        folder_ = std::filesystem::temp_directory_path() /
                  ("vk_workbench_" + std::to_string(::getpid()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_ / "image");
        std::filesystem::current_path(folder_);
        writeScript(kSmallGame);
        writePicture("image/face1.png", 96, 48, kRed);
        writePicture("image/face2.png", 96, 48, kBlue);
        writePicture("image/blob.png", 8, 8, kWhite);
    }
    void TearDown() override {
        bench_.reset();
        game_.reset();
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(folder_);
    }

    static void writeScript(const std::string& text) {
        { std::ofstream("script.dat", std::ios::binary) << text; }
        stampLater("script.dat");
    }
    static void writePicture(const std::string& path, int width, int height, Pixel colour) {
        Image picture;
        picture.resize(width, height);
        picture.fillRect(colour, 0, 0, width, height);
        ASSERT_TRUE(savePng(picture, path));
        stampLater(path);
    }
    // Files written in quick succession may share a time stamp (the file system's clock
    // ticks in milliseconds): each write is dated a second after the one before.
    static void stampLater(const std::string& path) {
        using Time = std::filesystem::file_time_type;
        static Time next = Time::clock::now();
        next += Time::duration(Time::period::den / Time::period::num);  // a second
        std::filesystem::last_write_time(path, next);
    }

    // Starts the game (no text, no sound) with the workbench around it.
    void start(const Workbench::Options& options = {}, Dialogs* dialogs = nullptr) {
        game_ = std::make_unique<Game>(nullptr);
        ASSERT_TRUE(game_->start(dialogs, nullptr));
        bench_ = std::make_unique<Workbench>(*game_, options, dialogs, log_);
        std::string error;
        ASSERT_TRUE(bench_->checkStart(error)) << error;
        game_->attachWindow(1);
        bench_->begin();
    }
    void frame() { bench_->frame(keys_); }
    // Key down for one frame, up for the next.
    void press(Button button) {
        keys_.down = {game_->input().keyCode[button]};
        frame();
        keys_.down.clear();
        frame();
    }
    const Scene* scene() const { return game_->mainScene().currentScene; }
    SceneSet& scenes() { return *game_->sceneGlobals().scenes; }
    Pixel shown(int x, int y) const { return game_->framebuffer().pixel(x, y) & 0xFFFFFF; }

    std::filesystem::path previous_;
    std::filesystem::path folder_;
    std::ostringstream log_;
    HeldKeys keys_;
    std::unique_ptr<Game> game_;
    std::unique_ptr<Workbench> bench_;
};
