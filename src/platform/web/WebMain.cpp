// The browser program. The page (index.html) turns its address's ?seed=, ?replay= and ?lang=
// into the arguments --seed, --input and --lang (and a mod into --mod), and packs the game
// folder at /game and the font where the desktop finds it. main starts the game and hands the
// loop to the browser.
#include <emscripten.h>
#include <unistd.h>

#include <memory>

#include "app/CommandLine.h"
#include "files/GameFileSource.h"
#include "platform/web/WebFacts.h"
#include "platform/web/WebPage.h"
#include "platform/web/WebShell.h"

namespace {

constexpr const char* kGameFolder = "/game";

// Lives from main until 終了: the browser's loop runs after main has returned.
CommandLine options;
std::unique_ptr<WebShell> shell;

// The loop runs on the browser's timer, asleep until the next frame is due: no display refresh
// wakes it, which is what keeps the first screen as cheap as a page that only draws.
void step() {
    const std::uint32_t sleep = shell->step();
    if (shell->ended()) {
        emscripten_cancel_main_loop();
        shell.reset();
        WebPage::showEnded("The game has ended. Reload the page to play again.");
    } else {
        emscripten_set_main_loop_timing(EM_TIMING_SETTIMEOUT, static_cast<int>(sleep));
    }
}

}  // namespace

extern "C" EMSCRIPTEN_KEEPALIVE void velkaros_dialog_closed() {
    if (shell) {
        shell->dialogClosed();
    }
}

// The page's Apply: the data file and every picture read again (1: the game began again on
// them; 0: the page has the report and the game plays on).
extern "C" EMSCRIPTEN_KEEPALIVE int velkaros_reload() {
    return shell && shell->reload() ? 1 : 0;
}

// The workbench panel's lists (WebFacts), valid until the next call.
extern "C" EMSCRIPTEN_KEEPALIVE const char* velkaros_facts() {
    static std::string facts;
    facts = WebFacts::describe(shell ? shell->data() : nullptr);
    return facts.c_str();
}

extern "C" EMSCRIPTEN_KEEPALIVE void velkaros_music_arrived() {
    if (shell) {
        shell->musicArrived();
    }
}

// The page's on-screen buttons: each holds its key down from touch to release.
extern "C" EMSCRIPTEN_KEEPALIVE void velkaros_touch_button(int virtualKey, int down) {
    if (shell) {
        shell->touchButton(virtualKey, down != 0);
    }
}

// A hidden page does no work: the loop stops until the page is seen again, when the next frame
// starts at once and the schedule counts on from there.
extern "C" EMSCRIPTEN_KEEPALIVE void velkaros_page_visible(int visible) {
    if (!shell || shell->ended()) {
        return;
    }
    if (visible != 0) {
        emscripten_resume_main_loop();
    } else {
        emscripten_pause_main_loop();
    }
}

int main(int argc, char** argv) {
    std::string error;
    if (!options.parse(std::vector<std::string>(argv + 1, argv + argc), error)) {
        WebPage::showReport("", error);
        return 2;
    }
    if (chdir(options.dataDir.empty() ? kGameFolder : options.dataDir.c_str()) != 0) {
        WebPage::showReport("", "The page holds no game folder");
        return 1;
    }
    // The page places a mod (a zip, or a folder of edited files) in the in-memory file system
    // and names it with --mod, as the desktop's command line does.
    if (!options.mod.empty() && !GameFileSource::current().useMod(options.mod, error)) {
        WebPage::showReport("", error);
        return 1;
    }
    shell = std::make_unique<WebShell>(options);
    if (!shell->start()) {
        shell.reset();
        return -1;
    }
    emscripten_set_main_loop(step, 0, 0);
    emscripten_set_main_loop_timing(EM_TIMING_SETTIMEOUT, 1);
    return 0;
}
