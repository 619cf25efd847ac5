#include "app/Replay.h"

#include <gtest/gtest.h>

#include <sstream>

#include "app/InputState.h"
#include "app/RecordingKeySource.h"
#include "app/ReplayKeySource.h"
#include "app/SessionInput.h"

namespace {

bool readText(Replay& replay, const std::string& text, std::string& error) {
    std::istringstream in(text);
    return replay.read(in, "r.replay", error);
}

// Keys held by hand, and the wheel and pointer a window would have delivered.
class FakeLive : public KeySource {
public:
    bool isDown(int virtualKey) const override {
        ++questions;
        return virtualKey >= 0 && virtualKey < 256 && down[static_cast<std::size_t>(virtualKey)];
    }
    Replay::KeySet down;
    mutable int questions = 0;
};

}  // namespace

TEST(Replay, ReadsEveryStatementAndWritesItBackTheSame) {
    const std::string text =
        "# a hand-written replay\r\n"
        "velkaros-replay 1 seed 4294967295\n"
        "\n"
        "  # indented comment\n"
        "3 keys 0x20,0x26\n"
        "3 wheel -1\n"
        "3 wheel 2\n"
        "7\tmouse -4 100\n"
        "9 keys none\n"
        "12 end\n";
    Replay replay;
    std::string error;
    ASSERT_TRUE(readText(replay, text, error)) << error;
    EXPECT_EQ(replay.seed, 4294967295u);
    ASSERT_EQ(replay.entries.size(), 5u);
    EXPECT_TRUE(replay.entries[0].keys.test(0x20) && replay.entries[0].keys.test(0x26));
    EXPECT_EQ(replay.entries[0].keys.count(), 2u);
    EXPECT_EQ(replay.entries[1].x, -1);
    EXPECT_EQ(replay.entries[3].kind, Replay::Kind::Mouse);
    EXPECT_EQ(replay.entries[3].x, -4);
    EXPECT_EQ(replay.entries[3].y, 100);
    EXPECT_TRUE(replay.entries[4].keys.none());
    EXPECT_EQ(replay.length(), 12);

    std::ostringstream out;
    replay.write(out);
    EXPECT_EQ(out.str(),
              "velkaros-replay 1 seed 4294967295\n3 keys 0x20,0x26\n3 wheel -1\n3 wheel 2\n"
              "7 mouse -4 100\n9 keys none\n12 end\n");
    Replay again;
    ASSERT_TRUE(readText(again, out.str(), error)) << error;
    EXPECT_EQ(again.length(), 12);
}

TEST(Replay, MalformedTextNamesTheLineAndTheProblem) {
    const std::string header = "velkaros-replay 1 seed 5\n";
    const struct {
        std::string text;
        std::string message;
    } cases[] = {
        {"", "r.replay: empty, not a replay"},
        {"# only a comment\n", "r.replay: empty, not a replay"},
        {"velkaros-replay 1\n", "r.replay:1: not a replay"},
        {"velkaros-replay 3 seed 5\n", "r.replay:1: replay format version '3'"},
        // A start point needs version 2, and only "ground N" and "hero H" may follow the seed.
        {"velkaros-replay 1 seed 5 ground 2\n", "r.replay:1: the first line may only go on"},
        {"velkaros-replay 2 seed 5 ground\n", "r.replay:1: the first line may only go on"},
        {"velkaros-replay 2 seed 5 ground 0\n", "r.replay:1: the first line may only go on"},
        {"velkaros-replay 2 seed 5 hero 1 hero 2\n", "r.replay:1: the first line may only go on"},
        {"velkaros-replay 2 seed 5 speed 2\n", "r.replay:1: the first line may only go on"},
        {"velkaros-replay 1 seed -5\n", "r.replay:1: the seed must be"},
        {"velkaros-replay 1 seed 4294967296\n", "r.replay:1: the seed must be"},
        {header + "0 keys 0x20\n", "r.replay:2: a line must start with a frame number"},
        {header + "10000001 keys 0x20\n", "r.replay:2: a line must start"},
        {header + "abc keys 0x20\n", "r.replay:2: a line must start"},
        {header + "5\n", "r.replay:2: a line must start"},
        {header + "5 jump\n", "r.replay:2: unknown word 'jump'"},
        {header + "5 keys\n", "r.replay:2: 'keys' takes one list"},
        {header + "5 keys 20\n", "r.replay:2: '20' is not a key code"},
        {header + "5 keys 0x100\n", "r.replay:2: '0x100' is not a key code"},
        {header + "5 keys 0x00\n", "r.replay:2: '0x00' is not a key code"},
        {header + "5 keys 0x20,,0x26\n", "r.replay:2: '' is not a key code"},
        {header + "5 keys 0x20,\n", "r.replay:2: an empty key code"},
        {header + "5 keys 0x20\n5 keys 0x26\n", "r.replay:3: a second keys line for frame 5"},
        {header + "5 wheel 0\n", "r.replay:2: 'wheel' takes the notches"},
        {header + "5 wheel 1 2\n", "r.replay:2: 'wheel' takes the notches"},
        {header + "5 mouse 1\n", "r.replay:2: 'mouse' takes x and y"},
        {header + "5 mouse 1 99999\n", "r.replay:2: 'mouse' takes x and y"},
        {header + "# c\n9 keys 0x20\n\n8 keys none\n", "r.replay:5: frame 8 comes after frame 9"},
        {header + "9 keys 0x20\n8 end\n", "r.replay:3: the end frame comes before"},
        {header + "9 end\n10 keys none\n", "r.replay:3: nothing may follow the end line"},
        {header + "9 end x\n", "r.replay:2: 'end' takes nothing"},
        {header + std::string(2000, '1') + "\n", "r.replay:2: the line is longer than 1024"},
    };
    for (const auto& c : cases) {
        Replay replay;
        std::string error;
        EXPECT_FALSE(readText(replay, c.text, error)) << c.text;
        EXPECT_EQ(error.rfind(c.message, 0), 0u) << c.text << "\n  gave: " << error;
    }
}

TEST(Replay, MissingFileIsAnErrorNamingIt) {
    Replay replay;
    std::string error;
    EXPECT_FALSE(replay.load("no such folder/x.replay", error));
    EXPECT_NE(error.find("no such folder/x.replay"), std::string::npos);
}

// What a session sees, recorded and played back, gives the same polls frame after frame.
TEST(Replay, PlayingARecordingRepeatsEveryPollAndPointer) {
    FakeLive live;
    InputState liveInput;
    std::ostringstream file;
    RecordingKeySource recorder(file, 77);
    std::vector<std::array<std::int32_t, ButtonCount>> seen;
    std::vector<std::pair<int, int>> pointers;
    unsigned pattern = 12345;
    const int codes[] = {0x26, 0x28, 0x25, 0x27, 0x20, 0x10, 1, 2};
    for (int frame = 1; frame <= 300; ++frame) {
        pattern = pattern * 1103515245u + 12345u;
        const unsigned bits = pattern >> 16;
        if (bits % 3 == 0) {
            live.down.flip(static_cast<std::size_t>(codes[bits % 8]));
        }
        if (bits % 7 == 0) {
            liveInput.wheel(bits % 2 == 0 ? 1 : -1);
        }
        if (bits % 11 == 0) {
            liveInput.wheel(-1);
            liveInput.wheel(1);
        }
        if (bits % 5 == 0) {
            liveInput.setMousePosition(static_cast<int>(bits % 300) - 20, frame);
        }
        live.down.set(0x41, bits % 2 == 0);  // a key the game never asks about
        recorder.beginFrame(live, liveInput);
        liveInput.poll(recorder);
        seen.push_back(liveInput.heldFrames);
        pointers.emplace_back(liveInput.mouseX, liveInput.mouseY);
    }
    ASSERT_TRUE(recorder.finish());
    EXPECT_EQ(file.str().rfind("velkaros-replay 1 seed 77\n", 0), 0u);
    EXPECT_EQ(file.str().find("0x41"), std::string::npos);

    Replay replay;
    std::string error;
    ASSERT_TRUE(readText(replay, file.str(), error)) << error;
    EXPECT_EQ(replay.seed, 77u);
    EXPECT_EQ(replay.length(), 300);
    ReplayKeySource keys(replay);
    InputState input;
    for (int frame = 1; frame <= 300; ++frame) {
        keys.beginFrame(frame, input);
        input.poll(keys);
        ASSERT_EQ(input.heldFrames, seen[static_cast<std::size_t>(frame - 1)]) << frame;
        ASSERT_EQ(std::make_pair(input.mouseX, input.mouseY),
                  pointers[static_cast<std::size_t>(frame - 1)])
            << frame;
    }
    EXPECT_TRUE(keys.finished());
}

TEST(Replay, SkippedFramesKeepTheKeysButDropStaleNotches) {
    Replay replay;
    std::string error;
    ASSERT_TRUE(readText(replay,
                         "velkaros-replay 1 seed 1\n2 keys 0x20\n2 wheel 1\n3 mouse 5 6\n"
                         "4 wheel -1\n",
                         error))
        << error;
    ReplayKeySource keys(replay);
    InputState input;
    keys.beginFrame(1, input);
    EXPECT_FALSE(keys.isDown(0x20));
    keys.beginFrame(4, input);
    EXPECT_TRUE(keys.isDown(0x20));
    EXPECT_FALSE(keys.isDown(0) || keys.isDown(-1) || keys.isDown(1000));
    EXPECT_EQ(input.injectedPress[ButtonLeft], 0);
    EXPECT_EQ(input.injectedPress[ButtonRight], 1);
    EXPECT_EQ(input.mouseX, 5);
    EXPECT_TRUE(keys.finished());
}

TEST(SessionInput, TakesTheSeedFromTheCommandLineThenTheReplay) {
    const std::string path = std::string(VK_BINARY_DIR) + "/session-seed.replay";
    Replay replay;
    replay.seed = 99;
    std::string error;
    ASSERT_TRUE(replay.save(path, error)) << error;

    SessionInput fromFile;
    ASSERT_TRUE(fromFile.open(path, "", std::nullopt, 1, error)) << error;
    EXPECT_EQ(fromFile.seed(), 99u);
    EXPECT_TRUE(fromFile.replaying());
    SessionInput given;
    ASSERT_TRUE(given.open(path, "", 5u, 1, error)) << error;
    EXPECT_EQ(given.seed(), 5u);
    SessionInput live;
    ASSERT_TRUE(live.open("", "", std::nullopt, 3, error)) << error;
    EXPECT_EQ(live.seed(), 3u);
    EXPECT_FALSE(live.replaying());

    SessionInput unwritable;
    EXPECT_FALSE(unwritable.open("", "no such folder/r.replay", std::nullopt, 1, error));
    EXPECT_NE(error.find("no such folder/r.replay"), std::string::npos);
}

// Recording while a replay plays copies it: the copy plays the same session.
TEST(SessionInput, RecordsWhatItPlaysWithTheSeedItUses) {
    const std::string source = std::string(VK_BINARY_DIR) + "/session-source.replay";
    const std::string copy = std::string(VK_BINARY_DIR) + "/session-copy.replay";
    const std::string text =
        "velkaros-replay 1 seed 42\n2 keys 0x20\n2 wheel -1\n4 keys 0x01,0x10\n5 mouse 3 4\n"
        "6 keys none\n8 end\n";
    { std::ofstream(source) << text; }
    std::string error;
    {
        SessionInput session;
        ASSERT_TRUE(session.open(source, copy, std::nullopt, 1, error)) << error;
        FakeLive live;
        live.down.set(0x26);  // ignored: the replay takes the live keys' place
        InputState input;
        for (int frame = 1; frame <= session.replayLength(); ++frame) {
            input.poll(session.beginFrame(live, input));
        }
        EXPECT_EQ(live.questions, 0);
        ASSERT_TRUE(session.finish(error)) << error;
    }
    std::ifstream in(copy);
    std::stringstream written;
    written << in.rdbuf();
    EXPECT_EQ(written.str(), text);
}

// A battle test's replay says where it began; a replay without a start point stays version 1.
TEST(Replay, StartPointIsWrittenAsVersionTwoAndReadBack) {
    std::ostringstream out;
    Replay::writeHeader(out, 7, {3, 2});
    Replay::writeHeader(out, 7, {0, 4});
    Replay::writeHeader(out, 7, {});
    EXPECT_EQ(out.str(),
              "velkaros-replay 2 seed 7 ground 3 hero 2\nvelkaros-replay 2 seed 7 hero 4\n"
              "velkaros-replay 1 seed 7\n");

    Replay replay;
    std::string error;
    ASSERT_TRUE(readText(replay, "velkaros-replay 2 seed 9 hero 2 ground 5\n4 end\n", error))
        << error;
    EXPECT_EQ(replay.seed, 9u);
    EXPECT_EQ(replay.start, (StartPoint{5, 2}));
    std::ostringstream again;
    replay.write(again);
    EXPECT_EQ(again.str(), "velkaros-replay 2 seed 9 ground 5 hero 2\n4 end\n");

    ASSERT_TRUE(readText(replay, "velkaros-replay 2 seed 9\n", error)) << error;
    EXPECT_FALSE(replay.start.chosen());
}

// The start point comes from the command line, else from the replay, and is recorded.
TEST(SessionInput, TakesTheStartPointFromTheCommandLineThenTheReplay) {
    const std::string path = std::string(VK_BINARY_DIR) + "/session-start.replay";
    const std::string copy = std::string(VK_BINARY_DIR) + "/session-start-copy.replay";
    { std::ofstream(path) << "velkaros-replay 2 seed 3 ground 4 hero 1\n2 end\n"; }
    std::string error;
    SessionInput fromFile;
    ASSERT_TRUE(fromFile.open(path, copy, std::nullopt, 1, error)) << error;
    EXPECT_EQ(fromFile.start(), (StartPoint{4, 1}));
    ASSERT_TRUE(fromFile.finish(error)) << error;
    std::ifstream in(copy);
    std::string header;
    std::getline(in, header);
    EXPECT_EQ(header, "velkaros-replay 2 seed 3 ground 4 hero 1");

    SessionInput given;
    ASSERT_TRUE(given.open(path, "", std::nullopt, 1, error, {2, 0})) << error;
    EXPECT_EQ(given.start(), (StartPoint{2, 0}));
    SessionInput live;
    ASSERT_TRUE(live.open("", "", std::nullopt, 1, error)) << error;
    EXPECT_FALSE(live.start().chosen());
}
