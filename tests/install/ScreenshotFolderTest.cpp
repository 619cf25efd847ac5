#include "platform/sdl/ScreenshotFolder.h"

#include <gtest/gtest.h>

#include <set>

namespace fs = std::filesystem;

namespace {

// Places that need not exist: which may be written is the test's to say.
struct ScreenshotFolderTest : ::testing::Test {
    ScreenshotPlaces places{"/games/mine", "", "/home/player/Bilder", "/home/player"};
    std::set<fs::path> writable{"/games/mine", "/home/player/Bilder", "/home/player"};

    ScreenshotFolder choose() const {
        return chooseScreenshotFolder(
            places, [&](const fs::path& folder) { return writable.count(folder); });
    }
};

TEST_F(ScreenshotFolderTest, TheGameFolderWhenItMayBeWritten) {
    const ScreenshotFolder where = choose();
    ASSERT_TRUE(where.folder.has_value());
    EXPECT_EQ(*where.folder, "");
    EXPECT_EQ(where.why, "");
}

TEST_F(ScreenshotFolderTest, ElseThePicturesFolderThenHome) {
    writable.erase("/games/mine");
    ScreenshotFolder where = choose();
    EXPECT_EQ(where.folder, "/home/player/Bilder");
    EXPECT_EQ(where.why, "the game folder cannot be written");
    writable.erase("/home/player/Bilder");
    EXPECT_EQ(choose().folder, "/home/player");
    places.picturesFolder.clear();
    writable.insert("/home/player/Bilder");
    EXPECT_EQ(choose().folder, "/home/player");
    // Nothing writable: home is tried, so the failure names it; without a home, nowhere.
    writable.clear();
    EXPECT_EQ(choose().folder, "/home/player");
    places.home.clear();
    where = choose();
    EXPECT_FALSE(where.folder.has_value());
    EXPECT_EQ(where.why, "the game folder cannot be written");
}

TEST_F(ScreenshotFolderTest, NeverTheInstalledFolderEvenWhenWritable) {
    // Real folders, so that two spellings of one folder are seen as one.
    const fs::path temp = fs::temp_directory_path();
    places.gameFolder = temp;
    places.installedFolder = temp / "." / "";
    writable.insert(temp);
    const ScreenshotFolder where = choose();
    EXPECT_EQ(where.folder, "/home/player/Bilder");
    EXPECT_EQ(where.why, "the installed game folder is only read");
}

TEST(PicturesFolder, ReadFromTheUserDirsFile) {
    const fs::path home = "/home/player";
    const std::string file =
        "# This file is written by xdg-user-dirs-update\n"
        "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
        "XDG_PICTURES_DIR=\"$HOME/Bilder\"\n";
    EXPECT_EQ(picturesFolderIn(file, home), "/home/player/Bilder");
    EXPECT_EQ(picturesFolderIn("XDG_PICTURES_DIR=\"/srv/shots\"\n", home), "/srv/shots");
    // The last assignment wins, as when the shell reads the file.
    EXPECT_EQ(picturesFolderIn(file + "XDG_PICTURES_DIR=\"/srv/shots\"\n", home), "/srv/shots");
    EXPECT_EQ(picturesFolderIn("XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n", home), fs::path());
    EXPECT_EQ(picturesFolderIn("", home), fs::path());
    EXPECT_EQ(picturesFolderIn("XDG_PICTURES_DIR=\"Bilder\"\n", home), fs::path());
    EXPECT_EQ(picturesFolderIn(file, fs::path()), fs::path());
}

TEST(PicturesFolder, TheHomeItselfMeansNone) {
    const fs::path home = fs::temp_directory_path();
    EXPECT_EQ(picturesFolderIn("XDG_PICTURES_DIR=\"$HOME/\"\n", home), fs::path());
    EXPECT_EQ(picturesFolderIn("XDG_PICTURES_DIR=\"$HOME\"\n", home), fs::path());
}

}  // namespace
