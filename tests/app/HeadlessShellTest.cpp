#include <filesystem>
#include <fstream>
#include <sstream>

#include "GameFolderTest.h"
#include "app/CommandLine.h"
#include "gfx/Image.h"
#include "gfx/ImageFile.h"
#include "platform/headless/HeadlessShell.h"

namespace fs = std::filesystem;

// A game folder holding the smallest data file that loads.
class HeadlessShell : public GameFolderTest {
protected:
    void SetUp() override {
        GameFolderTest::SetUp();
        std::ofstream("script.dat") << "SpecialArt normalAttack\n";
    }
};

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
