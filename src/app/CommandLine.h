#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/StartPoint.h"

// What the desktop executable was asked to do. Parsing only reads the arguments; acting on
// them (changing folder, opening a window) is up to the entry point.
struct CommandLine {
    static constexpr int kMaxScale = 16;
    static constexpr int kMaxFrames = 10'000'000;

    bool help = false;
    bool version = false;
    std::string dataDir;                // --data: empty means the working directory
    std::string mod;                    // --mod: a zip or a folder laid over the game folder
    std::optional<std::uint32_t> seed;  // --seed: else the calendar time (window) or 1 (headless)
    int scale = 1;
    bool mute = false;
    bool check = false;
    std::string checkFile = "script.dat";
    bool headless = false;
    std::string lang;     // --lang: the code of lang/LL.po; empty plays the original
    bool pot = false;     // --pot [FILE]: write the translation template
    std::string potFile;  // empty: to standard output
    int frames = 1;
    std::string screenshot;  // --screenshot FILE: the last frame
    bool framesGiven = false;
    // --screenshot FRAME:FILE (any number): the picture after that frame, counted from 1.
    struct FrameShot {
        int frame = 0;
        std::string file;
    };
    std::vector<FrameShot> frameShots;
    std::string input;   // --input: a replay played in place of the keyboard and mouse
    std::string record;  // --record: the session's input and seed written as a replay
    // The modder's workbench: --ground N and --hero H start a battle test; --watch reads the
    // data again when a file changes; --preview shows the special arts and fighters.
    StartPoint start;
    bool watch = false;
    bool preview = false;
    // --balance [SEEDS]: play SEEDS games each way with the automatic players and print the
    // balance table instead of running the game; --seed is then the first seed.
    static constexpr long long kMaxBalanceSeeds = 100'000;
    static constexpr long long kDefaultBalanceSeeds = 100;
    bool balance = false;
    long long balanceSeeds = kDefaultBalanceSeeds;

    // Reads the arguments after the program name. On a bad argument returns false and puts a
    // one-line message naming it into error.
    bool parse(const std::vector<std::string>& arguments, std::string& error);
};

// The --help text and the version line.
extern const char* const kUsageText;
extern const char* const kVersionText;
