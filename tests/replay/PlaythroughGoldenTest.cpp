// The recorded golden playthroughs, played by the game executable without a window: every
// picture listed in NAME.shots must equal NAME/SHOT.png exactly. NAME.LL.shots lists pictures
// of NAME.replay played in the language of lang/LL.po (--lang LL), kept in NAME.LL/. After a
// deliberate change of the game, scripts/record-goldens.sh records them again.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "gfx/Image.h"
#include "gfx/ImageFile.h"

namespace fs = std::filesystem;

namespace {

const fs::path kGoldens = fs::path(VK_SOURCE_DIR) / "tests/golden/playthroughs";
const fs::path kGame = fs::path(VK_BINARY_DIR) / "game";

struct ShotLine {
    int frame = 0;
    std::string name;
};

std::vector<ShotLine> readShots(const fs::path& path) {
    std::vector<ShotLine> shots;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::istringstream words(line);
        ShotLine shot;
        if (words >> shot.frame >> shot.name) {
            shots.push_back(shot);
        }
    }
    return shots;
}

std::string quoted(const fs::path& path) {
    // Built by appending: "'" + string makes GCC 12 at -O3 warn of an overlapping copy.
    std::string text = "'";
    text += path.string();
    text += '\'';
    return text;
}

// Pixels that differ (the top byte never shows and is not compared); -1 when the sizes do.
long differingPixels(const Image& a, const Image& b) {
    if (a.width() != b.width() || a.height() != b.height()) {
        return -1;
    }
    long count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            count += ((a.pixel(x, y) ^ b.pixel(x, y)) & 0xFFFFFFu) != 0;
        }
    }
    return count;
}

class Playthrough : public ::testing::TestWithParam<const char*> {};

TEST_P(Playthrough, ShowsItsGoldenPicturesWhenPlayedHeadless) {
    const std::string name = GetParam();
    const fs::path game = kGame / "velkaros";
    if (!fs::exists(game)) {
        GTEST_SKIP() << "the desktop executable is not built";
    }
    const std::vector<ShotLine> shots = readShots(kGoldens / (name + ".shots"));
    ASSERT_FALSE(shots.empty()) << "no shots listed for " << name;

    const fs::path actual = fs::path(VK_BINARY_DIR) / "playthroughs" / name;
    fs::remove_all(actual);
    fs::create_directories(actual);
    // "whole-game.en": whole-game.replay in English.
    const std::size_t dot = name.find('.');
    std::string command = quoted(game) + " --data " + quoted(kGame) + " --headless --input " +
                          quoted(kGoldens / (name.substr(0, dot) + ".replay"));
    if (dot != std::string::npos) {
        command += " --lang " + name.substr(dot + 1);
    }
    for (const ShotLine& shot : shots) {
        command += " --screenshot " + std::to_string(shot.frame) + ":" +
                   quoted(actual / (shot.name + ".png"));
    }
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    for (const ShotLine& shot : shots) {
        const fs::path expected = kGoldens / name / (shot.name + ".png");
        const fs::path seen = actual / (shot.name + ".png");
        Image golden;
        Image picture;
        ASSERT_TRUE(loadImageFile(picture, seen.string())) << "no picture " << seen;
        if (!loadImageFile(golden, expected.string())) {
            ADD_FAILURE() << "no golden picture " << expected << " (scripts/record-goldens.sh)";
            continue;
        }
        const long differing = differingPixels(golden, picture);
        EXPECT_EQ(differing, 0) << name << " frame " << shot.frame << " (" << shot.name
                                << ") differs from " << expected << " in "
                                << (differing < 0 ? "size" : std::to_string(differing) + " pixels")
                                << "; the picture played now is " << seen;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Golden, Playthrough, ::testing::Values("first-win", "whole-game", "game-over", "whole-game.en"),
    [](const auto& info) {
        std::string name = info.param;
        std::replace_if(
            name.begin(), name.end(),
            [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
        return name;
    });

}  // namespace
