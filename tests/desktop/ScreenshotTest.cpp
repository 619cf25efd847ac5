#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/Screenshot.h"
#include "gfx/Image.h"
#include "gfx/ImageFile.h"

namespace {

std::tm sampleTime() {
    std::tm time{};
    time.tm_year = 2026 - 1900;
    time.tm_mon = 11;
    time.tm_mday = 8;
    time.tm_hour = 15;
    time.tm_min = 30;
    time.tm_sec = 12;
    return time;
}

class ScreenshotTest : public ::testing::Test {
protected:
    void SetUp() override {
        // One folder per test: CTest runs the cases side by side.
        folder = std::filesystem::path(VK_BINARY_DIR) /
                 (std::string("desktop-screenshots-") +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::filesystem::path folder;
};

}  // namespace

TEST_F(ScreenshotTest, WritesThePictureAndNeverOverwrites) {
    Image picture;
    picture.resize(256, 224);
    picture.fillRect(0x123456, 0, 0, 256, 224);
    picture.fillRect(0xFF8000, 10, 20, 11, 21);

    // Something the player made with the first name already: kept as it was.
    const auto first = folder / "velkaros-20261208-153012.png";
    std::ofstream(first) << "not a picture";

    std::string error;
    const std::string written = saveScreenshot(picture, folder.string(), sampleTime(), error);
    EXPECT_EQ(written, (folder / "velkaros-20261208-153012-2.png").string()) << error;
    std::ifstream kept(first);
    std::string text;
    std::getline(kept, text);
    EXPECT_EQ(text, "not a picture");

    Image loaded;
    ASSERT_TRUE(loadImageFile(loaded, written));
    ASSERT_EQ(loaded.width(), 256);
    ASSERT_EQ(loaded.height(), 224);
    EXPECT_EQ(loaded.pixel(0, 0) & 0xFFFFFF, 0x123456u);
    EXPECT_EQ(loaded.pixel(10, 20) & 0xFFFFFF, 0xFF8000u);

    const std::string next = saveScreenshot(picture, folder.string(), sampleTime(), error);
    EXPECT_EQ(next, (folder / "velkaros-20261208-153012-3.png").string());
}

TEST_F(ScreenshotTest, ReportsAFolderThatCannotBeWritten) {
    Image picture;
    picture.resize(256, 224);
    std::string error;
    const auto missing = folder / "no-such-folder";
    EXPECT_EQ(saveScreenshot(picture, missing.string(), sampleTime(), error), "");
    EXPECT_NE(error.find("cannot write"), std::string::npos) << error;
}
