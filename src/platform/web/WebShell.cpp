#include "platform/web/WebShell.h"

#include <ctime>
#include <iostream>

#include "data/TextEncoding.h"
#include "platform/web/WebPage.h"

WebShell::WebShell(const CommandLine& options) : options_(options) {}

WebShell::~WebShell() {
    // The game (and with it the audio output) goes before the canvas and SDL itself.
    workbench_.reset();
    game_.reset();
    audio_.reset();
    if (window_ != nullptr) {
        SDL_DestroyWindow(window_);
    }
    gamepad_.stop();
    SDL_Quit();
}

bool WebShell::fail(const std::string& text) {
    WebPage::showReport("", text);
    return false;
}

bool WebShell::start() {
    std::string error;
    text_ = FreeTypeText::open(error);
    if (!text_) {
        return fail(error);
    }
    if (!session_.open(options_.input, options_.record, options_.seed,
                       static_cast<std::uint32_t>(std::time(nullptr)), error, options_.start)) {
        return fail(error);
    }
    game_ = std::make_unique<Game>(text_.get());
    if (!options_.mute) {
        audio_ = std::make_unique<SdlAudioOut>();
    }
    // A broken data file shows its report with its line (codes 1 and 2 have shown it through
    // the dialogs already): no canvas, no music.
    if (!game_->start(&dialogs_, audio_.get())) {
        showLoadError(game_->data().lastError(), "", false);
        return false;
    }
    workbench_ = std::make_unique<Workbench>(
        *game_, Workbench::Options{session_.start(), false, options_.preview}, &dialogs_,
        std::cerr);
    if (!workbench_->checkStart(error)) {
        return fail(error);
    }
    if (!openCanvas()) {
        return false;
    }
    dialogs_.setPlaying();
    workbench_->begin();
    return true;
}

bool WebShell::reload() {
    if (!workbench_ || ended_) {
        return false;
    }
    if (workbench_->reload()) {
        keys_.holdUntilReleased();
        present();
        return true;
    }
    // A data error, or a start point the new data lacks (kept from the dialogs).
    showLoadError(game_->loadWorldError(), dialogs_.takeKept(), true);
    return false;
}

void WebShell::showLoadError(const LoadError& error, const std::string& kept, bool playing) {
    std::string text = error.report;
    if (text.empty()) {
        text = kept.empty() ? std::string(Game::kDataFile) + " cannot be opened" : kept;
    }
    WebPage::showDataError(sjisToUtf8(text), error.line, playing);
}

bool WebShell::openCanvas() {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        return fail(std::string("Cannot open the canvas: ") + SDL_GetError());
    }
    const std::string title = sjisToUtf8(kTitle);
    window_ = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                               screen_.width(), screen_.height(), 0);
    if (window_ == nullptr) {
        return fail(std::string("Cannot open the canvas: ") + SDL_GetError());
    }
    if (gamepad_.start()) {
        keys_.setGamepad(&gamepad_);
    }
    screen_.selectFont(&game_->font());
    game_->attachWindow(session_.seed());
    // The game takes no typed text; without text input SDL keeps the space bar from the page.
    SDL_StopTextInput();
    pacer_.emplace(SDL_GetTicks(), WebPage::now());
    const auto pixels = static_cast<std::size_t>(screen_.width() * screen_.height());
    next_.resize(pixels);
    shown_.resize(pixels);
    present();
    return true;
}

std::uint32_t WebShell::step(bool atRefresh) {
    SDL_Event event;
    // Events always go before frames.
    while (!ended_ && SDL_PollEvent(&event)) {
        if (!aboutOpen_) {
            handleEvent(event);
        }
    }
    if (!atRefresh) {
        // Woken by the timer (the first time at once: the browser's loop counts the sleep
        // from the turn in which it was asked for). Sleep on, or watch the refreshes again.
        const std::uint32_t idle = ended_ ? 0 : pacer_->idleTime(SDL_GetTicks());
        if (idle == 0) {
            pacer_->resume();
        }
        return idle;
    }
    const bool due = pacer_->startsFrame(SDL_GetTicks(), WebPage::now());
    // While the About box is open the game waits, as behind the desktop's modal box.
    if (!ended_ && !aboutOpen_ && due) {
        runFrame();
    }
    return ended_ ? 0 : pacer_->idleTime(SDL_GetTicks());
}

void WebShell::dialogClosed() {
    aboutOpen_ = false;
    keys_.holdUntilReleased();
}

void WebShell::handleEvent(const SDL_Event& event) {
    switch (event.type) {
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
                keys_.setFocused(false);
                menu_.close();
                present();
            } else if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
                keys_.setFocused(true);
                keys_.holdUntilReleased();
            }
            break;
        case SDL_KEYDOWN:
            handleKey(event.key);
            break;
        case SDL_CONTROLLERDEVICEADDED:
        case SDL_CONTROLLERDEVICEREMOVED:
            gamepad_.handleEvent(event);
            break;
        case SDL_MOUSEBUTTONDOWN:
            handleClick(event.button);
            break;
        case SDL_MOUSEMOTION:
            if (menu_.isOpen()) {
                menu_.hover(event.motion.x, event.motion.y);
                present();
            } else if (event.motion.y >= MenuStrip::kHeight && !session_.replaying()) {
                game_->input().setMousePosition(event.motion.x,
                                                event.motion.y - MenuStrip::kHeight);
            }
            break;
        case SDL_MOUSEWHEEL:
            if (!menu_.isOpen() && !session_.replaying()) {
                const int notches = event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y
                                                                                    : event.wheel.y;
                if (notches != 0) {
                    game_->input().wheel(notches);
                }
            }
            break;
        default:
            break;
    }
}

void WebShell::handleKey(const SDL_KeyboardEvent& key) {
    const SDL_Keycode sym = key.keysym.sym;
    const bool wasOpen = menu_.isOpen();
    int command = MenuStrip::kNone;
    if (sym == SDLK_F10) {
        if (wasOpen) {
            menu_.close();
        } else {
            menu_.open(0);
        }
    } else if ((key.keysym.mod & KMOD_ALT) != 0 && sym >= SDLK_a && sym <= SDLK_z) {
        menu_.openByLetter(static_cast<char>(sym));
    } else if (wasOpen) {
        switch (sym) {
            case SDLK_LEFT:
                command = menu_.pressKey(MenuStrip::Key::Left);
                break;
            case SDLK_RIGHT:
                command = menu_.pressKey(MenuStrip::Key::Right);
                break;
            case SDLK_UP:
                command = menu_.pressKey(MenuStrip::Key::Up);
                break;
            case SDLK_DOWN:
                command = menu_.pressKey(MenuStrip::Key::Down);
                break;
            case SDLK_RETURN:
            case SDLK_KP_ENTER:
                command = menu_.pressKey(MenuStrip::Key::Enter);
                break;
            case SDLK_ESCAPE:
                command = menu_.pressKey(MenuStrip::Key::Escape);
                break;
            default:
                if (sym >= SDLK_a && sym <= SDLK_z) {
                    command = menu_.pressLetter(static_cast<char>(sym));
                }
                break;
        }
    } else {
        return;  // the game reads its keys at poll time
    }
    if (wasOpen && !menu_.isOpen()) {
        keys_.holdUntilReleased();
    }
    present();
    runCommand(command);
}

void WebShell::handleClick(const SDL_MouseButtonEvent& button) {
    if (!menu_.covers(button.x, button.y)) {
        return;  // a click on the picture: the game reads the button at poll time
    }
    int command = MenuStrip::kNone;
    if (button.button == SDL_BUTTON_LEFT) {
        command = menu_.click(button.x, button.y);
    } else {
        menu_.close();
    }
    keys_.holdUntilReleased();
    present();
    runCommand(command);
}

void WebShell::runCommand(int command) {
    if (command == MenuStrip::kQuit) {
        end();
    } else if (command == MenuStrip::kAbout) {
        aboutOpen_ = true;
        WebPage::showAbout(sjisToUtf8(kAboutCaption),
                           sjisToUtf8(std::string(kTitle) + "\n" + kVersionText));
    }
}

void WebShell::runFrame() {
    keys_.setBlocked(menu_.isOpen());
    keys_.refresh();
    workbench_->frame(session_.beginFrame(keys_, game_->input()));
    present();
    WebPage::frameShown(session_.frames());
    // The gallery's Cancel ends the program, as on the desktop.
    if (workbench_->quitRequested()) {
        end();
    }
}

void WebShell::end() {
    ended_ = true;
    game_->stop();
    std::string error;
    if (!session_.finish(error)) {
        std::cerr << "velkaros: " << error << '\n';
    }
}

void WebShell::present() {
    game_->framebuffer().drawTo(screen_, 0, MenuStrip::kHeight);
    menu_.draw(screen_);

    // 0xAARRGGBB to the canvas's R, G, B, A bytes (a little-endian word 0xAABBGGRR); the top
    // byte never shows: opaque. Compared on the way, word by word.
    std::uint32_t* out = next_.data();
    const std::uint32_t* before = shown_.data();
    bool changed = !presented_;
    for (int y = 0; y < screen_.height(); ++y) {
        const Pixel* source = screen_.row(y);
        for (int x = 0; x < screen_.width(); ++x, ++out, ++before) {
            const Pixel pixel = source[x];
            *out = 0xFF000000u | (pixel & 0xFF00u) | (pixel >> 16 & 0xFFu) | (pixel & 0xFFu) << 16;
            changed = changed || *out != *before;
        }
    }
    if (!changed) {
        return;
    }
    next_.swap(shown_);
    presented_ = true;
    WebPage::drawPicture(reinterpret_cast<const std::uint8_t*>(shown_.data()), screen_.width(),
                         screen_.height());
}
