#include "platform/headless/HeadlessShell.h"

#include "app/CommandLine.h"
#include "app/Game.h"
#include "gfx/ImageSave.h"
#include "platform/freetype/FreeTypeText.h"
#include "platform/headless/FrameClock.h"

int runHeadless(const CommandLine& options, std::vector<InputStep> input, std::ostream& err) {
    std::string error;
    std::unique_ptr<FreeTypeText> text = FreeTypeText::open(error);
    if (!text) {
        err << error << '\n';
        return 1;
    }
    Game game(text.get());
    // No dialogs: the data file's error report goes to standard error by itself.
    if (!game.start(nullptr, nullptr)) {
        return -1;
    }
    // A fixed seed by default, so two runs with the same input play the same game.
    game.attachWindow(options.seed.value_or(1));

    ScriptedKeySource keys(std::move(input));
    FrameClock clock;
    for (int frame = 0; frame < options.frames; ++frame) {
        keys.beginFrame(frame, game.input());
        game.frame(keys);
        clock.step();
    }
    game.stop();

    if (!options.screenshot.empty() && !savePng(game.framebuffer(), options.screenshot)) {
        err << "cannot write the screenshot " << options.screenshot << '\n';
        return 1;
    }
    return 0;
}
