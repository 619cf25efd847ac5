// Soak play: the real game with the shipped content under a random player. The default run is
// short enough for every test run; VK_SOAK_FRAMES (and VK_SOAK_SEED for the first seed) make
// it the long one, e.g. VK_SOAK_FRAMES=200000 build-asan/tests/test_soak.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

#include "platform/freetype/FreeTypeText.h"
#include "soak/SoakRun.h"

namespace {

long long fromEnvironment(const char* name, long long fallback) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::atoll(value) : fallback;
}

}  // namespace

TEST(Soak, RandomPlayKeepsMovingWithoutGrowing) {
    std::filesystem::current_path(VK_BINARY_DIR "/game");
    std::string error;
    std::unique_ptr<FreeTypeText> text = FreeTypeText::open(error);
    ASSERT_NE(text, nullptr) << error;

    SoakOptions options;
    options.frames = fromEnvironment("VK_SOAK_FRAMES", 6000);
    options.firstSeed = static_cast<std::uint32_t>(fromEnvironment("VK_SOAK_SEED", 1));
    const SoakReport report = runSoak(options, text.get());
    ASSERT_TRUE(report.error.empty()) << report.error;

    std::cout << "frames " << report.frames << ", seeds " << report.seeds << " (endings "
              << report.endings << ", game overs " << report.gameOvers << ", unfinished "
              << report.unfinished << "), longest seed " << report.longestSeedFrames
              << " frames\nlive heap: first minute peak " << report.firstMinutePeakBytes
              << " B, later peak " << report.laterPeakBytes << " B, largest growth of a seed "
              << report.largestSeedGrowth << " B, allocations per frame "
              << report.allocationsPerFrame << ", peak RSS " << report.peakRssKb << " kB\n";

    EXPECT_EQ(report.frames, options.frames);
    // Every seed but the one the budget cut short reaches an ending or game over.
    EXPECT_LE(report.unfinished, 1 + report.seeds / 10);
    // A fresh Game per seed: nothing may pile up from one seed to the next, and later play
    // never needs much more heap than the first minute did (the glyph cache of the shared
    // text object may still grow a little).
    EXPECT_LT(report.largestSeedGrowth, 64u * 1024);
    EXPECT_LT(report.laterPeakBytes, report.firstMinutePeakBytes + 256u * 1024);
}
