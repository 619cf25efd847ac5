#include "platform/sdl/InstalledGameFolder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

namespace fs = std::filesystem;

namespace {

// A scratch tree with an installed layout: root/usr/games/velkaros and its game folder.
class InstalledGameFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() /
                ("vk_install_" + std::to_string(::getpid()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(root_ / "usr/games");
        fs::create_directories(root_ / "usr/share/games/velkaros");
        fs::create_directories(root_ / "work");
        std::ofstream(root_ / "usr/games/velkaros") << "#!\n";
    }
    void TearDown() override { fs::remove_all(root_); }

    void touch(const fs::path& file) { std::ofstream(root_ / file) << "SpecialArt normalAttack\n"; }
    fs::path executable() const { return root_ / "usr/games/velkaros"; }
    fs::path gameFolder() const { return root_ / "usr/share/games/velkaros"; }

    fs::path root_;
};

TEST_F(InstalledGameFolderTest, FoundBesideTheExecutableOnlyWithItsDataFile) {
    const fs::path relative = "../share/games/velkaros";
    EXPECT_EQ(installedGameFolder(executable(), relative), fs::path());
    touch("usr/share/games/velkaros/script.dat");
    EXPECT_EQ(installedGameFolder(executable(), relative), gameFolder());
    // A moved tree still finds its folder; a build tree or an unknown executable finds none.
    fs::rename(root_ / "usr", root_ / "opt");
    EXPECT_EQ(installedGameFolder(root_ / "opt/games/velkaros", relative),
              root_ / "opt/share/games/velkaros");
    EXPECT_EQ(installedGameFolder(root_ / "build/game/velkaros", relative), fs::path());
    EXPECT_EQ(installedGameFolder(fs::path(), relative), fs::path());
}

TEST_F(InstalledGameFolderTest, TheWorkingFoldersDataFileWins) {
    const fs::path work = root_ / "work";
    EXPECT_EQ(gameFolderWithoutData("script.dat", work, gameFolder()), gameFolder().string());
    // Not installed: the working folder, even without a data file (the build tree as before).
    EXPECT_EQ(gameFolderWithoutData("script.dat", work, fs::path()), "");
    touch("work/script.dat");
    EXPECT_EQ(gameFolderWithoutData("script.dat", work, gameFolder()), "");
    // --check FILE: the named file decides, also when given with its full path.
    EXPECT_EQ(gameFolderWithoutData("mod.dat", work, gameFolder()), gameFolder().string());
    touch("work/mod.dat");
    EXPECT_EQ(gameFolderWithoutData("mod.dat", work, gameFolder()), "");
    EXPECT_EQ(gameFolderWithoutData((work / "mod.dat").string(), root_, gameFolder()), "");
}

TEST(ExecutablePath, IsTheRunningProgram) {
    EXPECT_EQ(executablePath().filename(), "test_install");
    EXPECT_TRUE(executablePath().is_absolute());
}

}  // namespace
