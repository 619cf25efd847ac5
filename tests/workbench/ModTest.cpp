// A mod laid over the game folder, as a zip or as a folder: the same pictures either way, the
// game's own files for whatever the mod lacks, and F5 and --watch reading the zip again.
#include <fstream>
#include <iterator>

#include "../sound/WavFixture.h"
#include "WorkbenchFolder.h"
#include "files/GameFileSource.h"
#include "files/TestZip.h"

namespace {

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    text.replace(text.find(from), from.size(), to);
    return text;
}

std::string fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class Mod : public WorkbenchFolder {
protected:
    void TearDown() override {
        bench_.reset();
        game_.reset();
        GameFileSource::current().dropMod();
        WorkbenchFolder::TearDown();
    }
    // The first picture of the game started with the mod (none: the game folder alone).
    std::vector<Pixel> firstPicture(const std::string& mod) {
        GameFileSource::current().dropMod();
        std::string error;
        if (!mod.empty()) {
            EXPECT_TRUE(GameFileSource::current().useMod(mod, error)) << error;
        }
        start();
        frame();
        std::vector<Pixel> pixels;
        const Image& picture = game_->framebuffer();
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                pixels.push_back(picture.pixel(x, y));
            }
        }
        return pixels;
    }
    // A zip of the mod folder's pictures, named as the data file names them.
    static void zipPictures(const std::string& zipName, const std::vector<std::string>& names) {
        TestZip zip;
        for (const std::string& name : names) {
            std::string inZip = name;
            std::replace(inZip.begin(), inZip.end(), '/', '\\');
            zip.add(inZip, fileBytes("mod/" + name), true);
        }
        { std::ofstream(zipName, std::ios::binary) << zip.bytes(); }
        stampLater(zipName);
    }
};

TEST_F(Mod, ZipAndFolderGiveTheSamePictures) {
    std::filesystem::create_directories("mod/image");
    writePicture("mod/image/face2.png", 96, 48, kWhite);
    writePicture("mod/image/borderlt.png", 8, 8, kRed);  // a fixed picture of the windows
    zipPictures("mod.zip", {"image/face2.png", "image/borderlt.png"});

    const std::vector<Pixel> base = firstPicture("");
    const std::vector<Pixel> fromZip = firstPicture("mod.zip");
    const int enemyX = game_->mainScene().enemyPicture.left + 4;
    const int enemyY = game_->mainScene().enemyPicture.top + 4;
    EXPECT_EQ(shown(enemyX, enemyY), kWhite);  // the first enemy wears face2
    EXPECT_EQ(shown(16, 56), kRed);            // the message window's top-left border tile
    const std::vector<Pixel> fromFolder = firstPicture("mod");
    EXPECT_EQ(fromZip, fromFolder);
    EXPECT_NE(fromZip, base);
}

TEST_F(Mod, ModOfOnlyTheDataFileTakesEveryPictureFromTheGame) {
    const std::vector<Pixel> base = firstPicture("");
    {
        std::ofstream("mod.zip", std::ios::binary)
            << TestZip().add("script.dat", replaced(kSmallGame, "maxHP 80", "maxHP 90")).bytes();
    }
    EXPECT_EQ(firstPicture("mod.zip"), base);
    EXPECT_EQ(game_->data().playerState(1)->maxHP(), 90);  // the mod's data file
    EXPECT_EQ(game_->data().imageFailures().size(), 0u);
}

TEST_F(Mod, ReloadAndWatchReadTheZipAgain) {
    std::filesystem::create_directories("mod/image");
    writePicture("mod/image/face2.png", 96, 48, kWhite);
    zipPictures("mod.zip", {"image/face2.png"});
    std::string error;
    ASSERT_TRUE(GameFileSource::current().useMod("mod.zip", error)) << error;
    start({{}, true, false});
    auto face = [&] { return game_->data().enemyState(0)->faceImage(0)->pixel(0, 0) & 0xFFFFFF; };
    ASSERT_EQ(face(), kWhite);
    EXPECT_FALSE(bench_->poll(0));

    writePicture("mod/image/face2.png", 96, 48, kRed);
    zipPictures("mod.zip", {"image/face2.png"});
    EXPECT_TRUE(bench_->poll(1000));
    EXPECT_EQ(face(), kRed);

    // A broken zip is reported and the game plays on with what it had.
    { std::ofstream("mod.zip", std::ios::binary) << "no longer a zip"; }
    stampLater("mod.zip");
    EXPECT_TRUE(bench_->poll(2000));
    EXPECT_NE(log_.str().find("velkaros: mod.zip: not a zip"), std::string::npos) << log_.str();
    EXPECT_EQ(face(), kRed);
    frame();

    writePicture("mod/image/face2.png", 96, 48, kBlue);
    zipPictures("mod.zip", {"image/face2.png"});
    EXPECT_TRUE(bench_->reload()) << log_.str();  // F5
    EXPECT_EQ(face(), kBlue);

    // A WAV the mod gains replaces the music and plays from its start; the same WAV read
    // again is left playing.
    std::filesystem::create_directories("mod/sound");
    {
        std::ofstream("mod/sound/kelmora.wav", std::ios::binary)
            << wavBytes({}, std::string(400, '\x11'));
    }
    zipPictures("mod.zip", {"image/face2.png", "sound/kelmora.wav"});
    EXPECT_TRUE(bench_->poll(3000));
    ASSERT_EQ(game_->music().frames(), 100);
    EXPECT_EQ(game_->soundManager().slotSound(0), &game_->music());
    EXPECT_EQ(game_->soundManager().slotPosition(0), 0);
    const std::int16_t* samples = game_->music().samples();
    zipPictures("mod.zip", {"image/face2.png", "sound/kelmora.wav"});
    EXPECT_TRUE(bench_->reload());
    EXPECT_EQ(game_->music().samples(), samples);
}

}  // namespace
