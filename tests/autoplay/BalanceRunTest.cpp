// The balance run behind the game's --balance: its tables, its progress line and its exit
// status for a game that never ends and for a data file that does not load.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "autoplay/BalanceRun.h"

namespace {

// A game folder of its own for each test, the working directory while the test runs.
class BalanceFolder : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        folder_ =
            std::filesystem::temp_directory_path() /
            ("vk-balance-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        std::filesystem::current_path(folder_);
    }
    void TearDown() override {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(folder_);
    }
    static void writeScript(const std::string& text) { std::ofstream("script.dat") << text; }

    std::ostringstream out;
    std::ostringstream err;

private:
    std::filesystem::path previous_;
    std::filesystem::path folder_;
};

}  // namespace

TEST_F(BalanceFolder, AGameNobodyCanWinIsListedAsStuck) {
    // Nobody can hurt anybody: no battle ever ends.
    writeScript(
        "SpecialArt normalAttack\nname Tap\nstrength 0\n"
        "Player\nname Aya\nmaxHP 20\n"
        "Enemy\nname Rock\ndescription Still\nmaxHP 20\n");
    BalanceRun run;
    run.seeds = 1;
    run.firstSeed = 9;
    run.frameLimit = 3000;
    EXPECT_EQ(run.run(out, err), 1);
    EXPECT_NE(err.str().find("never ended, seeds 9 (smart), 9 (careless)"), std::string::npos)
        << err.str();
    // The tables still come, each naming the stuck seed.
    EXPECT_NE(out.str().find("strategy smart: 1 games, 0 cleared"), std::string::npos);
    EXPECT_NE(out.str().find("strategy careless: 1 games, 0 cleared"), std::string::npos);
    EXPECT_NE(out.str().find("seed 9 stopped: no ending after"), std::string::npos) << out.str();
}

TEST_F(BalanceFolder, ABrokenDataFileStopsBeforeAnyGame) {
    BalanceRun run;
    EXPECT_EQ(run.run(out, err), -1);
    EXPECT_TRUE(out.str().empty()) << out.str();
    EXPECT_FALSE(err.str().empty());
}

TEST_F(BalanceFolder, TablesForEveryStrategyAndAProgressLineOnlyWhenAsked) {
    // Both heroes fell the enemy at a stroke; the enemy only ever yawns.
    writeScript(
        "SpecialArt normalAttack\nname Hit\nstrength 50\n"
        "SpecialArt yawn\nname Yawn\nstrength 0\n"
        "Player\nname Aya\nmaxHP 20\n"
        "Player\nname Ben\nmaxHP 30\n"
        "Enemy\nname Slug\ndescription Slow\nmaxHP 10\nspecialArt yawn 100\n");
    BalanceRun run;
    run.seeds = 3;
    ASSERT_EQ(run.run(out, err), 0) << err.str();
    EXPECT_TRUE(err.str().empty()) << err.str();
    const std::string tables = out.str();
    EXPECT_NE(tables.find("strategy smart: 3 games, 3 cleared the game (100%)"), std::string::npos)
        << tables;
    EXPECT_NE(tables.find("strategy careless: 3 games, 3 cleared the game (100%)"),
              std::string::npos);
    // The smart player takes the hero with the most HP, the careless one the first.
    const std::size_t careless = tables.find("strategy careless");
    EXPECT_NE(tables.find("       2        3    100%    3         100%  Ben\n"), std::string::npos)
        << tables;
    EXPECT_NE(tables.find("       1        3    100%    3         100%  Aya\n", careless),
              std::string::npos)
        << tables;

    std::ostringstream quiet;
    std::ostringstream progress;
    run.progress = true;
    ASSERT_EQ(run.run(quiet, progress), 0);
    EXPECT_EQ(quiet.str(), tables);
    EXPECT_NE(progress.str().find("\rsmart: 3 of 3 games"), std::string::npos);
    EXPECT_NE(progress.str().find("\rcareless: 3 of 3 games"), std::string::npos);
    // The line is wiped before each table, so the last thing written is a bare line start.
    EXPECT_EQ(progress.str().back(), '\r');
}
