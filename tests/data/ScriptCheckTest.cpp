#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "SjisText.h"
#include "data/ScriptCheck.h"

namespace {

std::string writeScript(const std::string& name, const std::string& text) {
    const std::string path = std::string(VK_BINARY_DIR) + "/" + name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

}  // namespace

TEST(ScriptCheckTest, SummaryOrReportInUtf8) {
    const std::string good = writeScript(
        "check_good.dat",
        sjis("Image face\nsrc image\\nowhere.png\nSpecialArt normalAttack\nname たたかう\n"
             "Player\nname 勇者\nEnemy\nname 魔王\nEnemy\nname 竜\n"));
    std::ostringstream out;
    EXPECT_EQ(runScriptCheck(good, out), 0);
    const std::string summary = out.str();
    EXPECT_NE(summary.find("\xE5\x8B\x87\xE8\x80\x85"), std::string::npos);  // 勇者 in UTF-8
    const auto first = summary.find("\xE9\xAD\x94\xE7\x8E\x8B");             // 魔王
    const auto second = summary.find("\xE7\xAB\x9C");                        // 竜
    ASSERT_NE(first, std::string::npos);
    EXPECT_LT(first, second);
    EXPECT_NE(summary.find("line 2: image\\nowhere.png"), std::string::npos);

    const std::string bad = writeScript("check_bad.dat", sjis("Player\nname 勇者\n"));
    std::ostringstream report;
    testing::internal::CaptureStderr();
    EXPECT_EQ(runScriptCheck(bad, report), 1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");  // the check itself stays quiet
    EXPECT_NE(report.str().find("3\xE8\xA1\x8C"), std::string::npos);  // "3行" in UTF-8

    std::ostringstream missing;
    EXPECT_EQ(runScriptCheck(bad + ".absent", missing), 1);
    EXPECT_NE(missing.str().find("check_bad.dat.absent"), std::string::npos);
    std::remove(good.c_str());
    std::remove(bad.c_str());
}
