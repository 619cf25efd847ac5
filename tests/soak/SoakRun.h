#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class TextRasterizer;

// A soak run: the real game with the shipped content (the working directory is the game
// folder), played by MonkeyKeySource one seed after another, each seed with a fresh Game,
// until the frame budget is spent. A seed is done when it reaches the ending or game over
// (those scenes never finish) or gives up after maxFramesPerSeed frames.
struct SoakOptions {
    long long frames = 5000;
    std::uint32_t firstSeed = 1;
    int maxFramesPerSeed = 40000;
};

struct SoakReport {
    std::string error;  // set when the game could not start
    int seeds = 0;
    int endings = 0;
    int gameOvers = 0;
    int unfinished = 0;  // stopped by maxFramesPerSeed or by the end of the budget
    long long frames = 0;
    long long longestSeedFrames = 0;
    // Live bytes through operator new: the peak within the first 1800 frames (one minute)
    // and the peak of all later frames.
    std::size_t firstMinutePeakBytes = 0;
    std::size_t laterPeakBytes = 0;
    // The most any seed left behind once its Game was gone.
    std::size_t largestSeedGrowth = 0;
    // Allocations per frame once the first minute is over.
    double allocationsPerFrame = 0;
    long peakRssKb = 0;
};

SoakReport runSoak(const SoakOptions& options, TextRasterizer* text);
