#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/CommandLine.h"
#include "app/InputState.h"
#include "gfx/Image.h"
#include "gfx/ImageFile.h"
#include "platform/headless/HeadlessShell.h"
#include "platform/headless/ShiftJis.h"

namespace fs = std::filesystem;

namespace {

// Runs each test inside a fresh game folder holding the smallest data file that loads.
class HeadlessShell : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = fs::current_path();
        folder_ = fs::temp_directory_path() /
                  ("vk_headless_" + std::to_string(::getpid()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder_);
        std::ofstream(folder_ / "script.dat") << "SpecialArt normalAttack\n";
        fs::current_path(folder_);
    }
    void TearDown() override {
        fs::current_path(previous_);
        fs::remove_all(folder_);
    }

    fs::path previous_;
    fs::path folder_;
};

// The lamp of a button on the test card.
Pixel lamp(const Image& picture, Button button) {
    return picture.pixel(64 + button * 20 + 6, 66);
}

}  // namespace

TEST_F(HeadlessShell, WritesTheLastFrameAsAPictureOfTheScreenSize) {
    CommandLine options;
    options.headless = true;
    options.frames = 3;
    options.screenshot = "shot.png";
    std::ostringstream err;
    ASSERT_EQ(runHeadless(options, {}, err), 0) << err.str();
    Image picture;
    ASSERT_TRUE(loadImageFile(picture, "shot.png"));
    EXPECT_EQ(picture.width(), 256);
    EXPECT_EQ(picture.height(), 224);
}

TEST_F(HeadlessShell, ScriptedInputReachesTheGameFrameByFrame) {
    CommandLine options;
    options.headless = true;
    options.screenshot = "shot.png";
    std::ostringstream err;
    // Space goes down at frame 1 and is still down in the last frame; the left key was let go.
    const std::vector<InputStep> input{{0, {0x25}, 0}, {1, {0x20}, 0}};
    options.frames = 2;
    ASSERT_EQ(runHeadless(options, input, err), 0) << err.str();
    Image held;
    ASSERT_TRUE(loadImageFile(held, "shot.png"));
    EXPECT_NE(lamp(held, ButtonDecide), lamp(held, ButtonLeft));
    EXPECT_EQ(lamp(held, ButtonLeft), lamp(held, ButtonUp));

    // A wheel notch lasts one frame only.
    options.frames = 3;
    ASSERT_EQ(runHeadless(options, {{1, {}, -1}}, err), 0) << err.str();
    Image after;
    ASSERT_TRUE(loadImageFile(after, "shot.png"));
    EXPECT_EQ(lamp(after, ButtonRight), lamp(after, ButtonUp));
    options.frames = 2;
    ASSERT_EQ(runHeadless(options, {{1, {}, -1}}, err), 0) << err.str();
    Image during;
    ASSERT_TRUE(loadImageFile(during, "shot.png"));
    EXPECT_EQ(lamp(during, ButtonRight), lamp(held, ButtonDecide));
}

TEST_F(HeadlessShell, MissingDataFileEndsWithMinusOneAndNoPicture) {
    fs::remove("script.dat");
    CommandLine options;
    options.headless = true;
    options.screenshot = "shot.png";
    std::ostringstream err;
    EXPECT_EQ(runHeadless(options, {}, err), -1);
    EXPECT_FALSE(fs::exists("shot.png"));
}

TEST_F(HeadlessShell, UnwritableScreenshotIsAnError) {
    CommandLine options;
    options.headless = true;
    options.screenshot = "no such folder/shot.png";
    std::ostringstream err;
    EXPECT_EQ(runHeadless(options, {}, err), 1);
    EXPECT_NE(err.str().find("no such folder/shot.png"), std::string::npos);
}

TEST(ShiftJis, ConvertsGameTextAndMarksBrokenBytes) {
    EXPECT_EQ(shiftJisToUtf8("バージョン情報 Ver 0.1.0"),
              "\xE3\x83\x90\xE3\x83\xBC\xE3\x82\xB8\xE3\x83\xA7\xE3\x83\xB3\xE6\x83\x85\xE5"
              "\xA0\xB1 Ver 0.1.0");
    // A lone lead byte at the end and an invalid pair.
    EXPECT_EQ(shiftJisToUtf8("a\x81"), "a?");
    EXPECT_EQ(shiftJisToUtf8(std::string("\x85\x20z", 3)), "? z");
}
