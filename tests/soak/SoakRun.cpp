#include "soak/SoakRun.h"

#include <sys/resource.h>

#include <algorithm>

#include "app/Game.h"
#include "scenes/EndScene.h"
#include "scenes/GameOverScene.h"
#include "soak/AllocationCounter.h"
#include "soak/MonkeyKeySource.h"

namespace {

constexpr long long kFirstMinuteFrames = 1800;

enum class SeedEnd { Ending, GameOver, Unfinished };

SeedEnd whereItStands(const Game& game) {
    const Scene* scene = game.mainScene().currentScene;
    if (dynamic_cast<const EndScene*>(scene) != nullptr) {
        return SeedEnd::Ending;
    }
    if (dynamic_cast<const GameOverScene*>(scene) != nullptr) {
        return SeedEnd::GameOver;
    }
    return SeedEnd::Unfinished;
}

}  // namespace

SoakReport runSoak(const SoakOptions& options, TextRasterizer* text) {
    SoakReport report;
    std::size_t allocationsAfterFirstMinute = 0;
    for (std::uint32_t seed = options.firstSeed; report.frames < options.frames; ++seed) {
        const std::size_t before = AllocationCounter::liveBytes();
        SeedEnd end = SeedEnd::Unfinished;
        long long seedFrames = 0;
        {
            Game game(text);
            if (!game.start(nullptr, nullptr)) {
                report.error = "the game folder's script.dat did not load";
                return report;
            }
            game.attachWindow(seed);
            MonkeyKeySource keys(seed);
            while (end == SeedEnd::Unfinished && seedFrames < options.maxFramesPerSeed &&
                   report.frames < options.frames) {
                keys.step();
                game.frame(keys);
                ++seedFrames;
                ++report.frames;
                const std::size_t live = AllocationCounter::liveBytes();
                if (report.frames <= kFirstMinuteFrames) {
                    report.firstMinutePeakBytes = std::max(report.firstMinutePeakBytes, live);
                    allocationsAfterFirstMinute = AllocationCounter::totalBlocks();
                } else {
                    report.laterPeakBytes = std::max(report.laterPeakBytes, live);
                }
                end = whereItStands(game);
            }
            game.stop();
        }
        ++report.seeds;
        report.endings += end == SeedEnd::Ending ? 1 : 0;
        report.gameOvers += end == SeedEnd::GameOver ? 1 : 0;
        report.unfinished += end == SeedEnd::Unfinished ? 1 : 0;
        report.longestSeedFrames = std::max(report.longestSeedFrames, seedFrames);
        const std::size_t after = AllocationCounter::liveBytes();
        report.largestSeedGrowth =
            std::max(report.largestSeedGrowth, after - std::min(after, before));
    }
    if (report.frames > kFirstMinuteFrames) {
        report.allocationsPerFrame =
            static_cast<double>(AllocationCounter::totalBlocks() - allocationsAfterFirstMinute) /
            static_cast<double>(report.frames - kFirstMinuteFrames);
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    report.peakRssKb = usage.ru_maxrss;
    return report;
}
