// Whole games of the shipped game folder played by both automatic players.
#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <sstream>

#include "autoplay/AutoPlayer.h"
#include "autoplay/BalanceReport.h"
#include "autoplay/ContentFacts.h"
#include "gfx/Image.h"

namespace {

constexpr int kSeeds = 20;

// Runs inside the built game folder, as the game does.
class ShippedGame : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(std::string(VK_BINARY_DIR) + "/game");
        facts_ = ContentFacts::read("script.dat");
        ASSERT_TRUE(facts_.loaded) << facts_.error;
        ASSERT_FALSE(facts_.enemyNames.empty());
    }
    void TearDown() override { std::filesystem::current_path(previous_); }

    BalanceReport playSeeds(Strategy strategy) {
        BalanceReport report(strategy.name(), facts_.enemyNames);
        AutoPlayer player(strategy, facts_.normalStrength);
        for (int seed = 1; seed <= kSeeds; ++seed) {
            const GameRecord record = player.play(static_cast<std::uint32_t>(seed));
            EXPECT_TRUE(record.error.empty()) << "seed " << seed << ": " << record.error;
            EXPECT_NE(record.won, record.lost) << "seed " << seed;
            EXPECT_GE(record.reached, 1) << "seed " << seed;
            EXPECT_LE(record.cleared, static_cast<int>(facts_.enemyNames.size()));
            EXPECT_EQ(record.won, record.cleared == static_cast<int>(facts_.enemyNames.size()));
            report.add(record);
        }
        report.print(std::cout);
        return report;
    }

    ContentFacts facts_;

private:
    std::filesystem::path previous_;
};

// Records what it was offered; wants everything once.
class RecordingCamera : public Camera {
public:
    bool wants(Shot shot, int) const override { return !taken[static_cast<std::size_t>(shot)]; }
    void shoot(Shot shot, const Image& picture) override {
        taken[static_cast<std::size_t>(shot)] = true;
        sizes.push_back({picture.width(), picture.height()});
    }
    std::array<bool, static_cast<std::size_t>(Shot::Count)> taken{};
    std::vector<std::pair<int, int>> sizes;
};

}  // namespace

TEST_F(ShippedGame, EveryGameEndsAndTheSmartPlayerDoesBetter) {
    const BalanceReport smart = playSeeds(Strategy(Strategy::Kind::Smart));
    const BalanceReport careless = playSeeds(Strategy(Strategy::Kind::Careless));
    EXPECT_EQ(smart.failures(), 0);
    EXPECT_EQ(careless.failures(), 0);
    // Broad sanity only: the game can be won, playing well pays, and nobody is lost on the
    // first battle ground.
    EXPECT_GE(smart.wins(), 1);
    EXPECT_GT(smart.wins(), careless.wins());
    EXPECT_LT(careless.wins(), kSeeds / 2);
    EXPECT_EQ(smart.cleared(0), kSeeds);
}

TEST_F(ShippedGame, EveryBattleCountsForTheHeroWhoFoughtIt) {
    for (const Strategy strategy :
         {Strategy(Strategy::Kind::Smart), Strategy(Strategy::Kind::Careless)}) {
        AutoPlayer player(strategy, facts_.normalStrength);
        for (std::uint32_t seed = 1; seed <= 5; ++seed) {
            const GameRecord record = player.play(seed);
            ASSERT_EQ(record.heroes.size(), facts_.heroNames.size());
            int fought = 0;
            int won = 0;
            for (const GameRecord::HeroBattles& hero : record.heroes) {
                EXPECT_LE(hero.won, hero.fought);
                fought += hero.fought;
                won += hero.won;
            }
            // Every battle ground cleared was won by one hero's battle.
            EXPECT_EQ(won, record.cleared) << strategy.name() << " seed " << seed;
            EXPECT_GE(fought, record.reached);
            if (strategy.kind() == Strategy::Kind::Careless) {
                // The careless player takes the first hero alive: the first hero fights first.
                EXPECT_GE(record.heroes.front().fought, 1);
            }
        }
    }
}

TEST_F(ShippedGame, AWonGameOffersEveryScreenshot) {
    RecordingCamera camera;
    AutoPlayer player(Strategy(Strategy::Kind::Smart), facts_.normalStrength);
    player.setCamera(&camera);
    bool won = false;
    for (std::uint32_t seed = 1; seed <= kSeeds && !won; ++seed) {
        won = player.play(seed).won;
    }
    ASSERT_TRUE(won);
    for (std::size_t shot = 0; shot < camera.taken.size(); ++shot) {
        EXPECT_TRUE(camera.taken[shot]) << "shot " << shot;
    }
    for (const auto& [width, height] : camera.sizes) {
        EXPECT_EQ(width, 256);
        EXPECT_EQ(height, 224);
    }
}

TEST(BalanceReport, CountsGroundsAndKeepsStuckGamesApart) {
    BalanceReport report("test", {"a", "b", "c"});
    GameRecord won;
    won.won = true;
    won.reached = won.cleared = 3;
    GameRecord lostOnSecond;
    lostOnSecond.lost = true;
    lostOnSecond.reached = 2;
    lostOnSecond.cleared = 1;
    GameRecord stuck;
    stuck.reached = 3;
    stuck.cleared = 2;
    stuck.error = "no ending";
    report.add(won);
    report.add(lostOnSecond);
    report.add(stuck);
    EXPECT_EQ(report.games(), 3);
    EXPECT_EQ(report.wins(), 1);
    EXPECT_EQ(report.failures(), 1);
    EXPECT_EQ(report.reached(1), 2);
    EXPECT_EQ(report.cleared(1), 1);
    EXPECT_EQ(report.cleared(2), 1);
    EXPECT_EQ(report.reached(3), 0);  // past the last ground
    std::ostringstream table;
    report.print(table);
    // Ground 2: both finished games reached it, one cleared it; the stuck game is not counted.
    EXPECT_NE(table.str().find("       2        2        1              50%  b\n"),
              std::string::npos)
        << table.str();
}

TEST(BalanceReport, AddsUpTheBattlesOfEveryHero) {
    BalanceReport report("test", {"a", "b"}, {"first", "second"});
    GameRecord one;
    one.lost = true;
    one.reached = 2;
    one.cleared = 1;
    one.heroes = {{2, 1}, {1, 0}};
    GameRecord two;
    two.won = true;
    two.reached = two.cleared = 2;
    two.heroes = {{0, 0}, {2, 2}};
    report.add(one);
    report.add(two);
    EXPECT_EQ(report.fought(0), 2);
    EXPECT_EQ(report.heroWins(0), 1);
    EXPECT_EQ(report.fought(1), 3);
    EXPECT_EQ(report.heroWins(1), 2);
    EXPECT_EQ(report.fought(2), 0);
    std::ostringstream table;
    report.print(table);
    // 2 of the 5 battles, 1 of them won; 3 of 5, 2 won.
    EXPECT_NE(table.str().find("       1        2     40%    1          50%  first\n"),
              std::string::npos)
        << table.str();
    EXPECT_NE(table.str().find("       2        3     60%    2          67%  second\n"),
              std::string::npos)
        << table.str();
}
