#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "GameFolderTest.h"
#include "app/CommandLine.h"
#include "data/DataManager.h"
#include "data/ScriptCheck.h"
#include "gfx/Image.h"
#include "gfx/ImageSave.h"
#include "platform/headless/HeadlessShell.h"

namespace {

constexpr int kSide = 4096;
constexpr int kNames = 400;
constexpr long long kMegabyte = 1024 * 1024;
// The most either run may hold resident. The address sanitizer adds its shadow (an eighth of
// the memory in use) and its own bookkeeping.
#if defined(__SANITIZE_ADDRESS__)
constexpr long long kResidentLimit = 400 * kMegabyte;
#else
constexpr long long kResidentLimit = 300 * kMegabyte;
#endif

// A small mod folder that names one 4096 x 4096 picture 400 times (in three spellings) and
// gives it as the face of four fighters: decoded per name it would take 25 GB.
class PictureBudgetRun : public GameFolderTest {
protected:
    void SetUp() override {
        GameFolderTest::SetUp();
        std::filesystem::create_directory("image");
        // Written by a child process, so that the memory the runs measure holds nothing of
        // it. One flat colour: a few dozen kilobytes as a PNG.
        long long ignored = 0;
        ASSERT_EQ(inChild(
                      [] {
                          Image big;
                          big.resize(kSide, kSide);
                          big.fillRect(0x204060, 0, 0, kSide, kSide);
                          return savePng(big, "image/big.png") ? 0 : 1;
                      },
                      ignored),
                  0);
        std::ofstream script("script.dat", std::ios::binary);
        script << "SpecialArt normalAttack\nname Attack\n";
        const char* const spellings[] = {"image\\big.png", "image/./big.png", "./image//big.png"};
        for (int i = 0; i < kNames; ++i) {
            script << "Image big" << i << "\nsrc " << spellings[i % 3] << '\n';
        }
        // Line 2 * kNames + 3 onwards: three lines a fighter, the face on the third.
        for (int i = 0; i < 4; ++i) {
            script << (i == 0 ? "Player" : "Enemy") << "\nmaxHP 5\nfaceImage big" << i << '\n';
        }
        script << "Me\nmaxHP 5\n";
    }

    static int faceLine(int fighter) { return 2 * kNames + 3 + 3 * fighter + 2; }

    // Runs the body in a child process; returns its exit status and, in peakBytes, the most
    // memory it held resident.
    template <typename Body>
    static int inChild(Body body, long long& peakBytes) {
        const pid_t child = ::fork();
        if (child == 0) {
            ::_exit(body());
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        rusage usage{};
        ::getrusage(RUSAGE_CHILDREN, &usage);
        peakBytes = static_cast<long long>(usage.ru_maxrss) * 1024;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
};

}  // namespace

TEST_F(PictureBudgetRun, LoadDecodesTheFileOnceAndKeepsToTheBudget) {
    DataManager data;
    data.setQuiet(true);
    ASSERT_TRUE(data.load("script.dat")) << data.lastError().report;
    EXPECT_EQ(data.pictureDecodes(), 1);
    EXPECT_LE(data.pictureBytes(), DataManager::kPictureBudgetBytes);
    const Image* first = data.imageTable().at("big0");
    ASSERT_EQ(first->width(), kSide);
    for (int i = 1; i < kNames; ++i) {
        const Image* other = data.imageTable().at("big" + std::to_string(i));
        EXPECT_EQ(other->data(), first->data()) << i;
    }
    // 64 MB of picture, then 128 MB for the hero's face and its gray copy; the enemies' faces
    // would pass 256 MB and stay empty.
    EXPECT_EQ(data.playerState(0)->faceImage(0)->width(), kSide);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(data.enemyState(i)->faceImage(0)->empty()) << i;
        EXPECT_TRUE(data.enemyState(i)->faceImage(1)->empty()) << i;
    }
    ASSERT_EQ(data.imageFailures().size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(data.imageFailures()[static_cast<std::size_t>(i)].line, faceLine(i + 1));
    }
}

TEST_F(PictureBudgetRun, CheckListsThePicturesLeftEmptyWithinBoundedMemory) {
    long long peak = 0;
    const int status = inChild(
        [] {
            std::ofstream out("check.txt");
            return runScriptCheck("script.dat", out);
        },
        peak);
    EXPECT_EQ(status, 0);
    EXPECT_LT(peak, kResidentLimit);
    std::ifstream in("check.txt");
    std::stringstream text;
    text << in.rdbuf();
    const std::string report = text.str();
    EXPECT_NE(report.find("Images: 400"), std::string::npos) << report;
    EXPECT_NE(report.find("Decoded pictures: 1 files"), std::string::npos) << report;
    EXPECT_NE(report.find("Pictures left empty, over the budget of 256 MB"), std::string::npos);
    for (int i = 1; i < 4; ++i) {
        const std::string line =
            "  line " + std::to_string(faceLine(i)) + ": faceImage big" + std::to_string(i) + "\n";
        EXPECT_NE(report.find(line), std::string::npos) << line << report;
    }
}

TEST_F(PictureBudgetRun, HeadlessRunPlaysOnWithinBoundedMemory) {
    long long peak = 0;
    const int status = inChild(
        [] {
            CommandLine options;
            options.headless = true;
            options.frames = 30;
            options.screenshot = "shot.png";
            std::ostringstream err;
            return runHeadless(options, {}, err);
        },
        peak);
    EXPECT_EQ(status, 0);
    EXPECT_LT(peak, kResidentLimit);
    EXPECT_TRUE(std::filesystem::exists("shot.png"));
}
