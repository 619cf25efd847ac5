#include "platform/sdl/SdlShell.h"

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <iostream>

#include "app/FrameSchedule.h"
#include "app/LanguageFiles.h"
#include "app/Screenshot.h"
#include "data/TextEncoding.h"
#include "platform/sdl/ScreenshotFolder.h"
#include "text/Catalogue.h"

SdlShell::SdlShell(const CommandLine& options)
    : options_(options), view_(screen_.width(), screen_.height(), options.scale) {}

SDL_Point SdlShell::toScreen(int windowX, int windowY) const {
    return {view_.layout().toPictureX(windowX), view_.layout().toPictureY(windowY)};
}

SdlShell::~SdlShell() {
    // The game (and with it the audio output) goes before the window and SDL itself.
    workbench_.reset();
    game_.reset();
    audio_.reset();
    if (texture_ != nullptr) {
        SDL_DestroyTexture(texture_);
    }
    if (renderer_ != nullptr) {
        SDL_DestroyRenderer(renderer_);
    }
    if (window_ != nullptr) {
        SDL_DestroyWindow(window_);
    }
    if (videoStarted_) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
    gamepad_.stop();
    SDL_Quit();
}

int SdlShell::run() {
    std::string error;
    text_ = FreeTypeText::open(error);
    if (!text_) {
        dialogs_.messageBox(error, "");
        return 1;
    }
    game_ = std::make_unique<Game>(text_.get());
    if (!options_.mute) {
        audio_ = std::make_unique<SdlAudioOut>();
    }
    // Seeded from the calendar time unless the command line or the replay says otherwise.
    if (!session_.open(options_.input, options_.record, options_.seed,
                       static_cast<std::uint32_t>(std::time(nullptr)), error, options_.start)) {
        std::cerr << "velkaros: " << error << '\n';
        return 1;
    }
    if (!options_.lang.empty()) {
        if (!useLanguage(*game_, options_.lang, std::cerr)) {
            return 1;
        }
        menu_ = MenuStrip();  // its labels in the language
    }
    if (!game_->start(&dialogs_, audio_.get())) {
        return -1;
    }
    workbench_ = std::make_unique<Workbench>(
        *game_, Workbench::Options{session_.start(), options_.watch, options_.preview}, &dialogs_,
        std::cerr);
    if (!workbench_->checkStart(error)) {
        std::cerr << "velkaros: " << error << '\n';
        return 2;
    }
    if (!openWindow()) {
        return 1;
    }
    workbench_->begin();

    FrameSchedule schedule(SDL_GetTicks());
    SDL_Event event;
    while (!quit_) {
        // Events always go before frames.
        if (SDL_PollEvent(&event)) {
            handleEvent(event);
            continue;
        }
        const Uint32 now = SDL_GetTicks();
        if (!schedule.isDue(now)) {
            // A plain sleep rather than SDL's event wait: under X11 the wait wakes itself with a
            // message to the window over a second connection, and one still on its way when
            // the window closes makes Xlib end the process with exit code 1 after a quit.
            // Events that come meanwhile are all handled before the frame.
            SDL_Delay(schedule.waitTime(now));
            continue;
        }
        // --watch looks at the files about once a second, between frames.
        if (workbench_->poll(now)) {
            afterReload();
            continue;
        }
        schedule.beginFrame(now);
        runFrame();
    }
    game_->stop();
    if (!session_.finish(error)) {
        std::cerr << "velkaros: " << error << '\n';
        return 1;
    }
    return 0;
}

bool SdlShell::openWindow() {
    // A 256 x 224 picture needs no graphics driver: SDL's own software renderer starts faster
    // and keeps tens of megabytes of OpenGL libraries out of memory. The environment variables
    // SDL_RENDER_DRIVER and SDL_FRAMEBUFFER_ACCELERATION still choose otherwise.
    SDL_SetHintWithPriority(SDL_HINT_RENDER_DRIVER, "software", SDL_HINT_DEFAULT);
    SDL_SetHintWithPriority(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0", SDL_HINT_DEFAULT);
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        std::cerr << "velkaros: cannot open a window: " << SDL_GetError() << '\n';
        return false;
    }
    videoStarted_ = true;
    // Without a display SDL falls back to drivers that draw where no one can see; unless the
    // player asked for one of them, that is no window at all.
    const std::string driver = SDL_GetCurrentVideoDriver();
    if ((driver == "offscreen" || driver == "dummy") && std::getenv("SDL_VIDEODRIVER") == nullptr) {
        std::cerr << "velkaros: no display to open a window on (is DISPLAY set?); "
                     "--headless runs without one\n";
        return false;
    }
    const int scale = options_.scale;
    const std::string title = sjisToUtf8(text(TextId::GameTitle));
    window_ = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                               screen_.width() * scale, screen_.height() * scale,
                               SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE);
    if (window_ != nullptr) {
        renderer_ = SDL_CreateRenderer(window_, -1, 0);
    }
    if (renderer_ != nullptr) {
        SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
        texture_ =
            SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                              screen_.width(), screen_.height());
    }
    if (texture_ == nullptr) {
        std::cerr << "velkaros: cannot open a window: " << SDL_GetError() << '\n';
        return false;
    }
    dialogs_.setParent(window_);
    view_.attach(window_, renderer_);
    // Pads are a comfort: without SDL's support for them the game runs on keys and mouse.
    if (gamepad_.start()) {
        keys_.setGamepad(&gamepad_);
    }
    screen_.selectFont(&game_->font());
    game_->attachWindow(session_.seed());
    // The game takes no typed text: keep an input method from catching the space bar.
    SDL_StopTextInput();
    SDL_ShowWindow(window_);
    present();
    return true;
}

void SdlShell::handleEvent(const SDL_Event& event) {
    if (event.type == SDL_QUIT) {
        quit_ = true;
        return;
    }
    if (event.type == SDL_WINDOWEVENT && event.window.event != SDL_WINDOWEVENT_FOCUS_GAINED &&
        event.window.event != SDL_WINDOWEVENT_FOCUS_LOST) {
        // Shown, exposed, resized, moved: what the window shows may be gone.
        windowStale_ = true;
        if (event.window.event == SDL_WINDOWEVENT_EXPOSED ||
            event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
            present();
        }
        return;
    }
    if (event.type == SDL_KEYDOWN && handleViewKey(event.key)) {
        return;
    }
    events_.handle(event, session_.replaying() ? nullptr : &game_->input());
}

bool SdlShell::handleViewKey(const SDL_KeyboardEvent& key) {
    const SDL_Keycode sym = key.keysym.sym;
    const bool enter = sym == SDLK_RETURN || sym == SDLK_KP_ENTER;
    const bool once = key.repeat == 0;  // holding the key does not repeat it
    if (sym == SDLK_F5) {
        if (once) {
            workbench_->reload();
            afterReload();
        }
        return true;
    }
    if (sym == SDLK_F11 || (enter && (key.keysym.mod & KMOD_ALT) != 0)) {
        if (once) {
            view_.toggleFullscreen();
        }
    } else if (sym == SDLK_F9) {
        if (once) {
            view_.cycleZoom();
        }
    } else if (sym == SDLK_F12) {
        if (once) {
            takeScreenshot();
        }
        return true;
    } else {
        return false;
    }
    // The Enter of Alt+Enter must not reach the game as a decide press.
    keys_.holdUntilReleased();
    windowStale_ = true;
    present();
    return true;
}

void SdlShell::takeScreenshot() {
    // The game's own picture, whatever the zoom and without the menu strip.
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    // The game folder when it may be written, else the pictures or home folder, said with why.
    const ScreenshotFolder where = screenshotFolder();
    const std::string why = where.why.empty() ? "" : " (" + where.why + ")";
    if (!where.folder) {
        std::cerr << "velkaros: no screenshot: nowhere to write it" << why << '\n';
        return;
    }
    std::string error;
    const std::string name = saveScreenshot(game_->framebuffer(), *where.folder, local, error);
    if (name.empty()) {
        std::cerr << "velkaros: no screenshot: " << error << why << '\n';
    } else {
        std::cout << "velkaros: saved the picture as " << name << why << std::endl;
    }
}

void SdlShell::afterReload() {
    // The Return that closed an error box must not reach the game as a decide press.
    keys_.holdUntilReleased();
    present();
}

void SdlShell::runCommand(int command) {
    if (command == MenuStrip::kQuit) {
        quit_ = true;
    } else if (command == MenuStrip::kAbout) {
        // Modal: no frames run until it closes; the music plays on.
        dialogs_.messageBox(text(TextId::GameTitle) + "\n" + kVersionText,
                            text(TextId::AboutCaption));
        keys_.holdUntilReleased();
    }
}

void SdlShell::runFrame() {
    keys_.setBlocked(menu_.isOpen());
    keys_.refresh();
    workbench_->frame(session_.beginFrame(keys_, game_->input()));
    quit_ = quit_ || workbench_->quitRequested();
    present();
}

void SdlShell::present() {
    game_->framebuffer().drawTo(screen_, 0, MenuStrip::kHeight);
    menu_.draw(screen_);

    const PresentedPicture::Rows changed = shown_.update(screen_);
    if (changed.empty() && !windowStale_) {
        return;  // the window shows this picture already
    }
    if (!changed.empty()) {
        // Only the changed rows are locked and copied; a renderer that uploads what is locked
        // gets the rows in between too, so every locked row is written.
        const SDL_Rect rows{0, changed.first, screen_.width(), changed.end - changed.first};
        void* pixels = nullptr;
        int pitch = 0;
        if (SDL_LockTexture(texture_, &rows, &pixels, &pitch) == 0) {
            // The top byte of a pixel never shows: every pixel goes out opaque.
            for (int y = changed.first; y < changed.end; ++y) {
                const Pixel* source = screen_.row(y);
                auto* target = reinterpret_cast<Uint32*>(static_cast<Uint8*>(pixels) +
                                                         (y - changed.first) * pitch);
                for (int x = 0; x < screen_.width(); ++x) {
                    target[x] = source[x] | 0xFF000000u;
                }
            }
            SDL_UnlockTexture(texture_);
        } else {
            shown_.forget();  // the texture missed these rows: send all of them next time
        }
    }
    windowStale_ = false;
    view_.render(texture_);
}
