#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/CommandLine.h"
#include "platform/headless/HeadlessShell.h"

namespace fs = std::filesystem;

namespace {

struct Parsed {
    bool ok;
    CommandLine options;
    std::string error;
};

Parsed parse(const std::vector<std::string>& arguments) {
    Parsed p{};
    p.ok = p.options.parse(arguments, p.error);
    return p;
}

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Runs inside the shipped game folder and writes into a folder of its own.
class HeadlessReplay : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = fs::current_path();
        out_ = fs::temp_directory_path() / ("vk_replay_" + std::to_string(::getpid()));
        fs::create_directories(out_);
        fs::current_path(fs::path(VK_BINARY_DIR) / "game");
    }
    void TearDown() override {
        fs::current_path(previous_);
        fs::remove_all(out_);
    }
    std::string path(const std::string& name) const { return (out_ / name).string(); }

    fs::path previous_;
    fs::path out_;
};

}  // namespace

TEST(ReplayCommandLine, NamesFramesToPictureAndReplayFiles) {
    Parsed p =
        parse({"--headless", "--screenshot", "12:a.png", "--screenshot", "3:b:c.png",
               "--screenshot", "last.png", "--input", "in.replay", "--record", "out.replay"});
    ASSERT_TRUE(p.ok) << p.error;
    ASSERT_EQ(p.options.frameShots.size(), 2u);
    EXPECT_EQ(p.options.frameShots[0].frame, 12);
    EXPECT_EQ(p.options.frameShots[0].file, "a.png");
    EXPECT_EQ(p.options.frameShots[1].frame, 3);
    EXPECT_EQ(p.options.frameShots[1].file, "b:c.png");
    EXPECT_EQ(p.options.screenshot, "last.png");
    EXPECT_EQ(p.options.input, "in.replay");
    EXPECT_EQ(p.options.record, "out.replay");
    EXPECT_FALSE(p.options.framesGiven);
    // A name with a colon that is not a frame number is a plain file.
    p = parse({"--headless", "--screenshot", "c:shot.png"});
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_EQ(p.options.screenshot, "c:shot.png");
    // The window plays and records replays too.
    EXPECT_TRUE(parse({"--input", "a.replay", "--record", "b.replay"}).ok);

    for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
             {"--headless", "--screenshot", "0:a.png"},
             {"--headless", "--screenshot", "10000001:a.png"},
             {"--headless", "--screenshot", "12:"},
             {"--screenshot", "12:a.png"},
             {"--headless", "--frames", "4", "--screenshot", "5:a.png"},
             {"--input"},
             {"--record", ""}}) {
        p = parse(bad);
        EXPECT_FALSE(p.ok) << bad.back();
        EXPECT_FALSE(p.error.empty());
    }
}

// A session recorded without a window plays back to the same pictures, and a replay run
// without --frames lasts exactly as long as the recorded session.
TEST_F(HeadlessReplay, RecordedSessionPlaysBackToTheSamePictures) {
    std::vector<InputStep> steps;
    for (int frame = 0; frame < 60; frame += 4) {
        steps.push_back({frame, {0x20}, 0});
        steps.push_back({frame + 1, {}, frame == 20 ? -1 : 0});
        steps.push_back({frame + 2, {0x27, 0x02}, frame == 40 ? 1 : 0});
        steps.push_back({frame + 3, {}, 0});
    }
    CommandLine recording;
    recording.headless = true;
    recording.seed = 9;
    recording.frames = 80;
    recording.framesGiven = true;
    recording.record = path("session.replay");
    recording.frameShots = {{30, path("live30.png")}, {5, path("live5.png")}};
    recording.screenshot = path("live-last.png");
    std::ostringstream err;
    ASSERT_EQ(runHeadless(recording, steps, err), 0) << err.str();
    EXPECT_EQ(contents(path("session.replay")).rfind("velkaros-replay 1 seed 9\n", 0), 0u);

    CommandLine replaying;
    replaying.headless = true;
    replaying.input = path("session.replay");
    replaying.frameShots = {{5, path("replay5.png")}, {30, path("replay30.png")}};
    replaying.screenshot = path("replay-last.png");
    ASSERT_EQ(runHeadless(replaying, {}, err), 0) << err.str();
    for (const char* shot : {"5", "30", "-last"}) {
        const std::string live = contents(path(std::string("live") + shot + ".png"));
        EXPECT_FALSE(live.empty()) << shot;
        EXPECT_EQ(live, contents(path(std::string("replay") + shot + ".png"))) << shot;
    }
    EXPECT_NE(contents(path("live5.png")), contents(path("live30.png")));
}

TEST_F(HeadlessReplay, BrokenReplayStopsTheRunWithItsLine) {
    std::ofstream(path("broken.replay")) << "velkaros-replay 1 seed 1\n5 keys 0x20\n4 keys none\n";
    CommandLine options;
    options.headless = true;
    options.input = path("broken.replay");
    options.screenshot = path("never.png");
    std::ostringstream err;
    EXPECT_EQ(runHeadless(options, {}, err), 1);
    EXPECT_NE(err.str().find("broken.replay:3: frame 4 comes after frame 5"), std::string::npos)
        << err.str();
    EXPECT_FALSE(fs::exists(path("never.png")));
}
