// The desktop executable: reads the command line, then runs the game in a window, or without
// one (--headless), or only checks a data file (--check) or prints its balance table
// (--balance).
#define SDL_MAIN_HANDLED
#include <SDL2/SDL.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>

#include "app/CommandLine.h"
#include "app/TranslatorCommands.h"
#include "autoplay/BalanceRun.h"
#include "data/ScriptCheck.h"
#include "files/GameFileSource.h"
#include "platform/headless/HeadlessShell.h"
#include "platform/sdl/InstalledGameFolder.h"
#include "platform/sdl/SdlShell.h"

int main(int argc, char** argv) {
    CommandLine options;
    std::string error;
    if (!options.parse(std::vector<std::string>(argv + 1, argv + argc), error)) {
        std::cerr << "velkaros: " << error << '\n';
        return 2;
    }
    if (options.help) {
        std::cout << kUsageText;
        return 0;
    }
    if (options.version) {
        std::cout << kVersionText << '\n';
        return 0;
    }
    // Files named on the command line are the caller's, relative to where it started.
    auto fromStart = [](std::string& file) {
        std::error_code failed;
        const std::filesystem::path full = std::filesystem::absolute(file, failed);
        if (!file.empty() && !failed) {
            file = full.string();
        }
    };
    for (std::string* file :
         {&options.screenshot, &options.input, &options.record, &options.potFile, &options.mod}) {
        fromStart(*file);
    }
    for (CommandLine::FrameShot& shot : options.frameShots) {
        fromStart(shot.file);
    }
    // Without --data and a data file here, the installed game plays its own folder.
    if (options.dataDir.empty()) {
        options.dataDir = gameFolderWithoutData(options.check ? options.checkFile : "script.dat");
    }
    // Every game file is named relative to the game folder, so change into it before any load.
    if (!options.dataDir.empty() && chdir(options.dataDir.c_str()) != 0) {
        std::cerr << "velkaros: cannot use the game folder '" << options.dataDir
                  << "': " << std::strerror(errno) << '\n';
        return 1;
    }
    // The mod lies over the game folder for every mode, the check and the balance run included.
    if (!options.mod.empty() && !GameFileSource::current().useMod(options.mod, error)) {
        std::cerr << "velkaros: " << error << '\n';
        return 1;
    }
    if (options.pot) {
        return runTemplate(options.checkFile, options.potFile, std::cout, std::cerr);
    }
    if (options.check && !options.lang.empty()) {
        return runTranslationCheck(options.checkFile, options.lang, std::cout);
    }
    if (options.check) {
        return runScriptCheck(options.checkFile, std::cout);
    }
    if (options.balance) {
        static_assert(CommandLine::kMaxBalanceSeeds == BalanceRun::kMaxSeeds);
        BalanceRun balance;
        balance.seeds = options.balanceSeeds;
        balance.firstSeed = options.seed.value_or(1);
        // Redirected into a file or a pipe, the output holds the tables only.
        balance.progress = isatty(STDERR_FILENO) == 1;
        return balance.run(std::cout, std::cerr);
    }
    if (options.headless) {
        // No SDL at all: no window, no audio device.
        return runHeadless(options, {}, std::cerr);
    }
    SDL_SetMainReady();
    SdlShell shell(options);
    return shell.run();
}
