#include "platform/headless/HeadlessShell.h"

#include <algorithm>

#include "app/CommandLine.h"
#include "app/Game.h"
#include "app/LanguageFiles.h"
#include "app/SessionInput.h"
#include "gfx/ImageSave.h"
#include "platform/freetype/FreeTypeText.h"
#include "platform/headless/FrameClock.h"
#include "workbench/Workbench.h"

int runHeadless(const CommandLine& options, std::vector<InputStep> input, std::ostream& err) {
    std::string error;
    std::unique_ptr<FreeTypeText> text = FreeTypeText::open(error);
    if (!text) {
        err << error << '\n';
        return 1;
    }
    // A fixed seed by default, so two runs with the same input play the same game.
    SessionInput session;
    if (!session.open(options.input, options.record, options.seed, 1, error, options.start)) {
        err << error << '\n';
        return 1;
    }
    Game game(text.get());
    if (!options.lang.empty() && !useLanguage(game, options.lang, err)) {
        return 1;
    }
    // No dialogs: the data file's error report goes to standard error by itself.
    if (!game.start(nullptr, nullptr)) {
        return -1;
    }
    Workbench bench(game, {session.start(), options.watch, options.preview}, nullptr, err);
    if (!bench.checkStart(error)) {
        err << "velkaros: " << error << '\n';
        return 2;
    }
    game.attachWindow(session.seed());
    bench.begin();

    // Without --frames a run lasts until the replay and every named picture are done.
    std::vector<CommandLine::FrameShot> shots = options.frameShots;
    std::stable_sort(shots.begin(), shots.end(),
                     [](const auto& a, const auto& b) { return a.frame < b.frame; });
    int frames = options.frames;
    if (!options.framesGiven) {
        frames = std::max({frames, session.replayLength(), shots.empty() ? 0 : shots.back().frame});
    }
    ScriptedKeySource keys(std::move(input));
    FrameClock clock;
    std::size_t nextShot = 0;
    for (int frame = 1; frame <= frames && !bench.quitRequested(); ++frame) {
        keys.beginFrame(frame - 1, game.input());
        bench.frame(session.beginFrame(keys, game.input()));
        clock.step();
        for (; nextShot < shots.size() && shots[nextShot].frame == frame; ++nextShot) {
            if (!savePng(game.framebuffer(), shots[nextShot].file)) {
                err << "cannot write the screenshot " << shots[nextShot].file << '\n';
                return 1;
            }
        }
        // --watch: about a second of frames between looks at the files.
        bench.poll(clock.milliseconds());
    }
    game.stop();
    if (!session.finish(error)) {
        err << error << '\n';
        return 1;
    }

    if (!options.screenshot.empty() && !savePng(game.framebuffer(), options.screenshot)) {
        err << "cannot write the screenshot " << options.screenshot << '\n';
        return 1;
    }
    return 0;
}
