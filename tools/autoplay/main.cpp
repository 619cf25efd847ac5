// vk_autoplay: plays seeded games of a game folder's script.dat through the real scenes and
// reports how far each strategy gets; optionally takes the README's screenshots.
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "autoplay/AutoPlayer.h"
#include "autoplay/BalanceRun.h"
#include "autoplay/ContentFacts.h"
#include "autoplay/ScreenshotCamera.h"
#include "platform/freetype/FreeTypeText.h"

namespace {

constexpr const char* kUsage =
    "usage: vk_autoplay [--data DIR] [--seeds N] [--first-seed S] [--strategy NAME]\n"
    "                   [--screenshots DIR]\n"
    "  --data DIR         the game folder (default: the working directory)\n"
    "  --seeds N          games per strategy, seeds S, S+1, ... (default 100, at most 100000)\n"
    "  --first-seed S     the first seed (default 1)\n"
    "  --strategy NAME    smart, careless or both (default both)\n"
    "  --screenshots DIR  also play smart games with the game font until one has shown the\n"
    "                     introduction, the hero list, an art, the map walk and the ending,\n"
    "                     and save them there as PNG\n";

constexpr long long kMaxSeeds = BalanceRun::kMaxSeeds;
// Games the screenshots may take before giving up (the ending needs a won game).
constexpr std::uint32_t kScreenshotGames = 500;

struct Options {
    std::string dataDir;
    long long seeds = 100;
    std::uint32_t firstSeed = 1;
    std::vector<Strategy> strategies{Strategy(Strategy::Kind::Smart),
                                     Strategy(Strategy::Kind::Careless)};
    std::string screenshots;
};

std::optional<long long> number(const std::string& text, long long max) {
    if (text.empty() || text.size() > 10 ||
        text.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    const long long value = std::stoll(text);
    return value <= max ? std::optional<long long>(value) : std::nullopt;
}

bool parse(int argc, char** argv, Options& options, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--help") {
            error.clear();
            return false;
        }
        if (i + 1 >= argc) {
            error = option + " needs a value";
            return false;
        }
        const std::string value = argv[++i];
        if (option == "--data") {
            options.dataDir = value;
        } else if (option == "--seeds") {
            const auto seeds = number(value, kMaxSeeds);
            if (!seeds || *seeds < 1) {
                error = "--seeds takes a number from 1 to " + std::to_string(kMaxSeeds);
                return false;
            }
            options.seeds = *seeds;
        } else if (option == "--first-seed") {
            const auto seed = number(value, 0xFFFFFFFFLL);
            if (!seed) {
                error = "--first-seed takes a number from 0 to 4294967295";
                return false;
            }
            options.firstSeed = static_cast<std::uint32_t>(*seed);
        } else if (option == "--strategy") {
            options.strategies.clear();
            if (value == "both") {
                options.strategies = {Strategy(Strategy::Kind::Smart),
                                      Strategy(Strategy::Kind::Careless)};
            } else if (const auto strategy = Strategy::fromName(value)) {
                options.strategies.push_back(*strategy);
            } else {
                error = "unknown strategy " + value + " (smart, careless or both)";
                return false;
            }
        } else if (option == "--screenshots") {
            options.screenshots = value;
        } else {
            error = "unknown option " + option;
            return false;
        }
    }
    return true;
}

// Plays smart games until every shot is taken. Returns the exit status.
int takeScreenshots(const Options& options, const ContentFacts& facts) {
    std::string error;
    std::unique_ptr<FreeTypeText> text = FreeTypeText::open(error);
    if (!text) {
        std::cerr << error << '\n';
        return 1;
    }
    ScreenshotCamera camera(options.screenshots, static_cast<int>(facts.enemyNames.size()));
    AutoPlayer player(Strategy(Strategy::Kind::Smart), facts.normalStrength, text.get());
    player.setCamera(&camera);
    for (std::uint32_t game = 0; game < kScreenshotGames && !camera.complete(); ++game) {
        const GameRecord record = player.play(options.firstSeed + game);
        if (!camera.failure().empty()) {
            std::cerr << "cannot write " << camera.failure() << '\n';
            return 1;
        }
        std::cout << "screenshots: seed " << record.seed << ", " << camera.saved()
                  << " of 5 taken\n";
    }
    return camera.complete() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    std::string error;
    if (!parse(argc, argv, options, error)) {
        (error.empty() ? std::cout : std::cerr) << (error.empty() ? "" : error + "\n") << kUsage;
        return error.empty() ? 0 : 2;
    }
    std::error_code failed;
    if (!options.screenshots.empty()) {
        options.screenshots = std::filesystem::absolute(options.screenshots, failed).string();
        std::filesystem::create_directories(options.screenshots, failed);
    }
    if (!options.dataDir.empty()) {
        std::filesystem::current_path(options.dataDir, failed);
        if (failed) {
            std::cerr << "cannot change into " << options.dataDir << ": " << failed.message()
                      << '\n';
            return 1;
        }
    }
    const ContentFacts facts = ContentFacts::read("script.dat");
    if (!facts.loaded) {
        std::cerr << facts.error << '\n';
        return 1;
    }

    BalanceRun balance;
    balance.seeds = options.seeds;
    balance.firstSeed = options.firstSeed;
    balance.strategies = options.strategies;
    int status = balance.run(std::cout, std::cerr) == 0 ? 0 : 1;
    if (!options.screenshots.empty() && takeScreenshots(options, facts) != 0) {
        status = 1;
    }
    return status;
}
