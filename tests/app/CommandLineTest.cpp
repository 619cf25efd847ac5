#include <gtest/gtest.h>

#include "app/CommandLine.h"

namespace {

struct Parsed {
    bool ok;
    CommandLine options;
    std::string error;
};

Parsed parse(std::vector<std::string> arguments) {
    Parsed result;
    result.ok = result.options.parse(arguments, result.error);
    return result;
}

}  // namespace

TEST(CommandLine, DefaultsWithoutArguments) {
    const Parsed p = parse({});
    ASSERT_TRUE(p.ok);
    EXPECT_FALSE(p.options.headless);
    EXPECT_FALSE(p.options.seed.has_value());
    EXPECT_EQ(p.options.scale, 1);
    EXPECT_EQ(p.options.frames, 1);
    EXPECT_EQ(p.options.checkFile, "script.dat");
    EXPECT_TRUE(p.options.dataDir.empty());
}

TEST(CommandLine, ReadsEveryOptionWithItsValue) {
    const Parsed p = parse({"--data", "game dir", "--seed", "4294967295", "--scale", "3", "--mute",
                            "--headless", "--frames", "120", "--screenshot", "out.png"});
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_EQ(p.options.dataDir, "game dir");
    EXPECT_EQ(p.options.seed, 4294967295u);
    EXPECT_EQ(p.options.scale, 3);
    EXPECT_TRUE(p.options.mute);
    EXPECT_TRUE(p.options.headless);
    EXPECT_EQ(p.options.frames, 120);
    EXPECT_EQ(p.options.screenshot, "out.png");
}

TEST(CommandLine, CheckTakesAnOptionalFile) {
    Parsed p = parse({"--check"});
    ASSERT_TRUE(p.ok);
    EXPECT_TRUE(p.options.check);
    EXPECT_EQ(p.options.checkFile, "script.dat");

    p = parse({"--check", "mod.dat"});
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(p.options.checkFile, "mod.dat");

    // The next option is not taken for the file name.
    p = parse({"--check", "--data", "dir"});
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(p.options.checkFile, "script.dat");
    EXPECT_EQ(p.options.dataDir, "dir");
}

TEST(CommandLine, PotTakesAnOptionalFileAndLangACode) {
    Parsed p = parse({"--pot"});
    ASSERT_TRUE(p.ok);
    EXPECT_TRUE(p.options.pot);
    EXPECT_EQ(p.options.potFile, "");

    p = parse({"--pot", "game.pot", "--lang", "pt_BR", "--check"});
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_EQ(p.options.potFile, "game.pot");
    EXPECT_EQ(p.options.lang, "pt_BR");
    EXPECT_TRUE(p.options.check);

    p = parse({"--pot", "--data", "dir"});
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(p.options.potFile, "");

    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"--lang"}, {"--lang", ""}, {"--balance", "--pot"}}) {
        p = parse(arguments);
        EXPECT_FALSE(p.ok) << arguments.back();
        EXPECT_FALSE(p.error.empty());
    }
}

TEST(CommandLine, RefusesBadNumbersWithAMessageNamingThem) {
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"--scale", "0"},
             {"--scale", "17"},
             {"--scale", "2x"},
             {"--seed", "-1"},
             {"--seed", "4294967296"},
             {"--seed", ""},
             {"--headless", "--frames", "0"},
             {"--headless", "--frames", "99999999999999999999"}}) {
        const Parsed p = parse(arguments);
        EXPECT_FALSE(p.ok) << arguments[0] << " " << arguments.back();
        EXPECT_NE(p.error.find(arguments[arguments.size() - 2]), std::string::npos) << p.error;
    }
}

TEST(CommandLine, RefusesMissingValuesUnknownOptionsAndMisplacedHeadlessOptions) {
    Parsed p = parse({"--data"});
    EXPECT_FALSE(p.ok);
    EXPECT_NE(p.error.find("--data"), std::string::npos);

    p = parse({"--seed"});
    EXPECT_FALSE(p.ok);

    p = parse({"--fullscreen"});
    EXPECT_FALSE(p.ok);
    EXPECT_NE(p.error.find("--fullscreen"), std::string::npos);

    p = parse({"--frames", "10"});
    EXPECT_FALSE(p.ok);
    EXPECT_NE(p.error.find("--headless"), std::string::npos);

    p = parse({"--screenshot", "a.png"});
    EXPECT_FALSE(p.ok);
}

TEST(CommandLine, ReadsTheWorkbenchOptions) {
    Parsed p = parse({"--ground", "3", "--hero", "2", "--watch"});
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_EQ(p.options.start, (StartPoint{3, 2}));
    EXPECT_TRUE(p.options.watch);
    EXPECT_FALSE(p.options.preview);

    p = parse({"--preview", "--headless", "--frames", "5"});
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_TRUE(p.options.preview);
    EXPECT_FALSE(p.options.start.chosen());

    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"--ground", "0"}, {"--hero", "-1"}, {"--ground", "1000001"}, {"--hero"}}) {
        p = parse(arguments);
        EXPECT_FALSE(p.ok) << arguments.back();
        EXPECT_NE(p.error.find(arguments[0]), std::string::npos) << p.error;
    }
    // The gallery has no battle ground to start at.
    p = parse({"--preview", "--hero", "2"});
    EXPECT_FALSE(p.ok);
    EXPECT_NE(p.error.find("--preview"), std::string::npos) << p.error;
}

TEST(CommandLine, BalanceTakesAnOptionalNumberOfGames) {
    Parsed p = parse({"--balance"});
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_TRUE(p.options.balance);
    EXPECT_EQ(p.options.balanceSeeds, CommandLine::kDefaultBalanceSeeds);
    p = parse({"--balance", "500", "--data", "mod", "--seed", "7"});
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_EQ(p.options.balanceSeeds, 500);
    EXPECT_EQ(p.options.dataDir, "mod");
    EXPECT_EQ(p.options.seed, 7u);
    // An option after it is the next option, not the count.
    p = parse({"--balance", "--data", "mod"});
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_EQ(p.options.balanceSeeds, CommandLine::kDefaultBalanceSeeds);
    EXPECT_EQ(p.options.dataDir, "mod");
    p = parse({"--balance", "100000"});
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_EQ(p.options.balanceSeeds, 100000);
}

TEST(CommandLine, BalanceRefusesBadCountsAndOptionsOfASession) {
    for (const char* count : {"0", "100001", "many", "12x", ""}) {
        const Parsed p = parse({"--balance", count});
        EXPECT_FALSE(p.ok) << count;
        EXPECT_NE(p.error.find("--balance needs a number of games from 1 to 100000"),
                  std::string::npos)
            << p.error;
    }
    const std::vector<std::vector<std::string>> sessions = {
        {"--check"},
        {"--preview"},
        {"--ground", "2"},
        {"--hero", "1"},
        {"--watch"},
        {"--input", "a.replay"},
        {"--record", "a.replay"},
        {"--headless", "--frames", "5"},
        {"--headless", "--screenshot", "a.png"}};
    for (std::vector<std::string> arguments : sessions) {
        const std::string first = arguments.front() == "--headless" ? arguments[1] : arguments[0];
        arguments.insert(arguments.begin(), "--balance");
        const Parsed p = parse(arguments);
        EXPECT_FALSE(p.ok) << first;
        EXPECT_EQ(p.error, first + " cannot go with --balance");
    }
}
