// The one place that opens game files: the game folder, and a mod (zip or folder) over it.
#include "files/GameFileSource.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "files/TestZip.h"

namespace {

namespace fs = std::filesystem;

// Each test in an empty game folder of its own, with no mod before or after.
class GameFiles : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = fs::current_path();
        folder_ = fs::temp_directory_path() /
                  ("vk_files_" + std::to_string(::getpid()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder_ / "game" / "image");
        fs::current_path(folder_ / "game");
    }
    void TearDown() override {
        GameFileSource::current().dropMod();
        fs::current_path(previous_);
        fs::remove_all(folder_);
    }
    static void write(const fs::path& path, const std::string& bytes) {
        fs::create_directories(path.parent_path().empty() ? "." : path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
    }
    // The bytes open gives for a game path, or "(none)".
    static std::string read(const std::string& gamePath) {
        std::optional<GameFileSource::File> file = GameFileSource::current().open(gamePath);
        if (!file) {
            return "(none)";
        }
        std::string bytes(std::istreambuf_iterator<char>(*file->stream), {});
        EXPECT_EQ(bytes.size(), file->size);
        return bytes;
    }
    // Every file below the test's folder, to show that nothing was written.
    std::vector<fs::path> allFiles() const {
        std::vector<fs::path> files;
        for (const auto& entry : fs::recursive_directory_iterator(folder_)) {
            files.push_back(entry.path());
        }
        std::sort(files.begin(), files.end());
        return files;
    }

    fs::path previous_;
    fs::path folder_;
};

TEST_F(GameFiles, AModZipOrFolderLiesOverTheGameFolder) {
    write("script.dat", "game script");
    write("image/a.png", "game a");
    write("image/b.png", "game b");
    EXPECT_EQ(read("image\\a.png"), "game a");
    EXPECT_EQ(read("image/missing.png"), "(none)");

    const std::string zip =
        TestZip().add("image\\b.png", "mod b", true).add("image/c.png", "mod c").bytes();
    write(folder_ / "mod.zip", zip);
    write(folder_ / "modfolder" / "image" / "b.png", "mod b");
    write(folder_ / "modfolder" / "image" / "c.png", "mod c");
    for (const fs::path& mod : {folder_ / "mod.zip", folder_ / "modfolder"}) {
        SCOPED_TRACE(mod.string());
        std::string error;
        ASSERT_TRUE(GameFileSource::current().useMod(mod.string(), error)) << error;
        EXPECT_EQ(read("script.dat"), "game script");  // not in the mod: the game's
        EXPECT_EQ(read("image\\a.png"), "game a");
        EXPECT_EQ(read("image\\b.png"), "mod b");
        EXPECT_EQ(read("image/c.png"), "mod c");
        // The streams seek as a file's do (the data file's reader looks ahead and back).
        std::optional<GameFileSource::File> file = GameFileSource::current().open("image/b.png");
        ASSERT_TRUE(file);
        file->stream->seekg(0, std::ios::end);
        EXPECT_EQ(file->stream->tellg(), 5);
        file->stream->seekg(4);
        EXPECT_EQ(file->stream->get(), 'b');
    }
    // --watch looks at the zip itself, or at the mod folder's file and the game's.
    std::string error;
    ASSERT_TRUE(GameFileSource::current().useMod((folder_ / "mod.zip").string(), error));
    EXPECT_EQ(GameFileSource::current().watchPaths({"script.dat"}),
              (std::vector<std::string>{(folder_ / "mod.zip").string(), "script.dat"}));
    GameFileSource::current().dropMod();
    EXPECT_EQ(read("image\\b.png"), "game b");
}

TEST_F(GameFiles, AZipReadAgainReplacesTheFilesOnlyWhenItIsGood) {
    write("image/a.png", "game a");
    const fs::path mod = folder_ / "mod.zip";
    write(mod, TestZip().add("image/a.png", "first").bytes());
    std::string error;
    ASSERT_TRUE(GameFileSource::current().useMod(mod.string(), error)) << error;
    write(mod, TestZip().add("image/a.png", "second").bytes());
    EXPECT_EQ(read("image/a.png"), "first");  // read once, when chosen
    ASSERT_TRUE(GameFileSource::current().rereadMod(error)) << error;
    EXPECT_EQ(read("image/a.png"), "second");

    // A refused zip, read again or chosen, keeps the files read before; nothing is written
    // anywhere, also by an entry that climbs out of the folder.
    write(mod, TestZip().add("../../escaped.png", "x").bytes());
    const std::vector<fs::path> before = allFiles();
    EXPECT_FALSE(GameFileSource::current().rereadMod(error));
    EXPECT_EQ(error, "mod.zip: entry \"../../escaped.png\" climbs out of the game folder (\"..\")");
    EXPECT_FALSE(GameFileSource::current().useMod(mod.string(), error));
    EXPECT_EQ(read("image/a.png"), "second");
    EXPECT_EQ(allFiles(), before);

    EXPECT_FALSE(GameFileSource::current().useMod((folder_ / "none.zip").string(), error));
    EXPECT_EQ(error, "none.zip: cannot open the mod");
}

TEST_F(GameFiles, KeysSpellEachFileOnce) {
    EXPECT_EQ(GameFileSource::key("image\\Face.PNG"), "image/face.png");
    EXPECT_EQ(GameFileSource::key("./image//./face.png"), "image/face.png");
    // The second byte of a Shift-JIS character is neither a separator nor a letter to lower.
    EXPECT_EQ(GameFileSource::key("\x83\x5C\x82\x60.png"), "\x83\x5C\x82\x60.png");
}

}  // namespace
