#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "SjisText.h"
#include "data/DataManager.h"
#include "platform/Dialogs.h"

namespace {

class FakeDialogs : public Dialogs {
public:
    void messageBox(const std::string& text, const std::string& caption) override {
        texts.push_back(text);
        captions.push_back(caption);
    }
    std::vector<std::string> texts;
    std::vector<std::string> captions;
};

const std::string kNormal = "SpecialArt normalAttack\n";

std::string report(int code, const std::string& name, int line, const std::string& text) {
    return sjis("エラーコード ") + std::to_string(code) + " : " + name + "\n" +
           std::to_string(line) + sjis("行目にエラー : ") + text + "\n";
}

struct Outcome {
    bool loaded;
    LoadError error;
    std::vector<std::string> boxes;
    std::vector<std::string> captions;
    std::string stderrText;
};

Outcome load(const std::string& script) {
    DataManager data;
    FakeDialogs dialogs;
    data.setDialogs(&dialogs);
    testing::internal::CaptureStderr();
    const bool loaded = data.loadFromMemory(script);
    Outcome outcome{loaded, data.lastError(), dialogs.texts, dialogs.captions,
                    testing::internal::GetCapturedStderr()};
    if (!loaded) {
        EXPECT_EQ(data.specialArtCount() + data.imageCount() + data.playerCount(), 0);
    }
    return outcome;
}

}  // namespace

TEST(ScriptErrorTest, SyntaxAndUndefinedNamesShowTheReportInABox) {
    const std::string script =
        kNormal + "Player\nname a\n\n# c\nmaxHP 1\n  colour 3  \r\nmaxMP 2\n";
    Outcome outcome = load(script);
    EXPECT_FALSE(outcome.loaded);
    const std::string expected = report(2, sjis("文法のエラー"), 7, "colour 3");
    EXPECT_EQ(outcome.error.report, expected);
    EXPECT_EQ(outcome.error.code, 2);
    EXPECT_EQ(outcome.error.line, 7);
    ASSERT_EQ(outcome.boxes.size(), 1u);
    EXPECT_EQ(outcome.boxes[0], expected);
    EXPECT_EQ(outcome.captions[0], "");  // the system's default caption
    // The terminal gets the same report in UTF-8.
    EXPECT_EQ(outcome.stderrText,
              "\xE3\x82\xA8\xE3\x83\xA9\xE3\x83\xBC\xE3\x82\xB3\xE3\x83\xBC\xE3\x83\x89 2 : "
              "\xE6\x96\x87\xE6\xB3\x95\xE3\x81\xAE\xE3\x82\xA8\xE3\x83\xA9\xE3\x83\xBC\n"
              "7\xE8\xA1\x8C\xE7\x9B\xAE\xE3\x81\xAB\xE3\x82\xA8\xE3\x83\xA9\xE3\x83\xBC : "
              "colour 3\n");

    // A name used one line before it is defined.
    outcome = load(kNormal + "Enemy\nfaceImage hero\nImage hero\n");
    EXPECT_EQ(outcome.error.report, report(1, sjis("未定義の変数"), 3, "faceImage hero"));
    ASSERT_EQ(outcome.boxes.size(), 1u);

    // An animation cannot show itself: it would recurse without end.
    outcome = load(kNormal + "Animation Still loop\nset loop\n");
    EXPECT_EQ(outcome.error.report, report(1, sjis("未定義の変数"), 3, "set loop"));

    // Special arts resolve only among animations, never images.
    outcome = load("Image glow\nSpecialArt normalAttack\nanimation glow\n");
    EXPECT_EQ(outcome.error.report, report(1, sjis("未定義の変数"), 3, "animation glow"));
}

TEST(ScriptErrorTest, EachSyntaxFormQuotesItsLine) {
    const std::pair<std::string, std::string> cases[] = {
        {"Animation Blink glow", "Animation Blink glow"},  // unknown kind
        {"Image", "Image"},                                // missing name
        {"Player\nx", "x"},                                // one token, not an empty line
        {"Player\n  # note", "# note"},
        {"Player\nmessage start", "message start"},
        {"Player\nmessage later hi", "message later hi"},
        {"Player\nspecialArt normalAttack", "specialArt normalAttack"},
        {"Animation ConstVelocity c\ninitPos 1", "initPos 1"},
        {"Animation Still s\nvelocity 1 1", "velocity 1 1"},  // not a Still field
        {"Animation Serial s\nset NULL", "set NULL"},
    };
    for (const auto& [body, line] : cases) {
        const Outcome outcome = load(kNormal + body + "\n" + kNormal);
        EXPECT_EQ(outcome.error.code, 2) << body;
        EXPECT_EQ(outcome.error.lineText, line) << body;
        EXPECT_EQ(outcome.boxes.size(), 1u) << body;
    }
}

TEST(ScriptErrorTest, MissingNormalAttackIsReportedAfterTheLastLine) {
    // With a final line feed the last read is an empty line one past the end.
    Outcome outcome = load("# only\n\nPlayer\n");
    EXPECT_EQ(outcome.error.report, report(1, sjis("未定義の変数"), 4, ""));
    // Without one, the last line itself.
    outcome = load("# only\n\nPlayer\r\nmaxHP  7 ");
    EXPECT_EQ(outcome.error.report, report(1, sjis("未定義の変数"), 4, "maxHP  7"));
    outcome = load("Player\n# last\r");
    EXPECT_EQ(outcome.error.report, report(1, sjis("未定義の変数"), 2, "# last"));
    outcome = load("");
    EXPECT_EQ(outcome.error.report, report(1, sjis("未定義の変数"), 1, ""));
}

TEST(ScriptErrorTest, OtherErrorsGoToStderrWithoutABox) {
    Outcome outcome = load(kNormal + "Player\nmaxHP 12x\n");
    EXPECT_FALSE(outcome.loaded);
    EXPECT_EQ(outcome.error.report, report(3, sjis("その他のエラー"), 3, "maxHP 12x"));
    EXPECT_TRUE(outcome.boxes.empty());
    EXPECT_NE(outcome.stderrText.find("3\xE8\xA1\x8C"), std::string::npos);  // "3行" in UTF-8

    // The integer is parsed before the name is resolved.
    outcome = load(kNormal + "Animation Serial s\nadd nowhere 1z\n");
    EXPECT_EQ(outcome.error.code, 3);
    outcome = load(kNormal + "Player\nspecialArt nowhere 99999999999\n");
    EXPECT_EQ(outcome.error.code, 3);

    // A line longer than the limit is refused before it grows further.
    std::string longLine =
        kNormal + "Player\nname " + std::string(DataManager::kMaxLineLength, 'a') + "\nmaxHP 1\n";
    outcome = load(longLine);
    EXPECT_EQ(outcome.error.code, 3);
    EXPECT_EQ(outcome.error.line, 3);
    EXPECT_TRUE(outcome.boxes.empty());
    // Just under the limit is fine.
    outcome =
        load(kNormal + "Player\nname " + std::string(DataManager::kMaxLineLength - 5, 'a') + "\n");
    EXPECT_TRUE(outcome.loaded) << outcome.error.report;

    // Animations nested deeper than the limit would recurse through every frame.
    std::string chain = kNormal + "Animation Still a0\n";
    for (int i = 1; i <= DataManager::kMaxAnimationNesting; ++i) {
        chain +=
            "Animation Serial a" + std::to_string(i) + "\nadd a" + std::to_string(i - 1) + " 1\n";
    }
    outcome = load(chain);
    EXPECT_EQ(outcome.error.code, 3);
    EXPECT_EQ(outcome.error.line, 2 * DataManager::kMaxAnimationNesting + 2);
    outcome = load(chain.substr(0, chain.rfind("Animation")));
    EXPECT_TRUE(outcome.loaded) << outcome.error.report;

    // Every add starts its sequence over through all its steps, so their number is capped.
    std::string steps = kNormal + "Image dot\nAnimation Serial long\n";
    for (std::size_t i = 0; i < DataManager::kMaxSerialSteps; ++i) {
        steps += "add dot 1\n";
    }
    outcome = load(steps);
    EXPECT_TRUE(outcome.loaded) << outcome.error.report;
    outcome = load(steps + "add dot 1\n");
    EXPECT_EQ(outcome.error.code, 3);
    EXPECT_EQ(outcome.error.line, static_cast<int>(DataManager::kMaxSerialSteps) + 4);
    EXPECT_TRUE(outcome.boxes.empty());

    EXPECT_EQ(DataManager::errorName(4), nullptr);
    EXPECT_EQ(std::string(DataManager::errorName(0)), sjis("エラーなし"));
}

TEST(ScriptErrorTest, OddBytesAreOnlyBytes) {
    // NUL bytes and CR-only line ends are just bytes: a CR-only file is one long line.
    Outcome outcome = load(std::string("SpecialArt normal\0Attack\n", 25));
    EXPECT_EQ(outcome.error.code, 1);
    outcome = load("SpecialArt normalAttack\rPlayer\rmaxHP 3\r");
    EXPECT_EQ(outcome.error.code, 1);
    EXPECT_EQ(outcome.error.line, 1);
}

TEST(ScriptErrorTest, FilesAreReadInBinaryThroughTheGamePath) {
    const std::string path = std::string(VK_BINARY_DIR) + "/test_data_script.dat";
    {
        std::ofstream file(path, std::ios::binary);
        file << "SpecialArt normalAttack\r\nImage face\r\nsrc image\\missing.png\r\n";
    }
    DataManager data;
    data.setQuiet(true);
    ASSERT_TRUE(data.load(path)) << data.lastError().report;
    ASSERT_EQ(data.imageFailures().size(), 1u);
    EXPECT_EQ(data.imageFailures()[0].path, "image\\missing.png");
    EXPECT_EQ(data.imageFailures()[0].line, 3);

    // A file that cannot be opened is not a data error, but stderr names it.
    DataManager loud;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(loud.load(path + ".absent"));
    const std::string message = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(loud.openFailed());
    EXPECT_EQ(loud.lastError().code, 0);
    EXPECT_NE(message.find("test_data_script.dat.absent"), std::string::npos);
    std::remove(path.c_str());
}
