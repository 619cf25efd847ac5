#include "platform/web/WebShell.h"

#include <algorithm>
#include <cstring>
#include <ctime>
#include <iostream>

#include "app/LanguageFiles.h"
#include "data/TextEncoding.h"
#include "platform/web/WebPage.h"
#include "text/Catalogue.h"

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
    // ?lang=LL: a translation the page lacks is reported as the desktop reports it.
    if (!options_.lang.empty()) {
        if (!game_->setLanguage(options_.lang, error)) {
            return fail(error);
        }
        for (const Translation::Problem& problem : game_->translation().problems()) {
            std::cerr << languageFilePath(options_.lang) << ':' << problem.line << ": "
                      << problem.message << '\n';
        }
        menu_ = MenuStrip();  // its labels in the language
    }
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
    const std::string title = sjisToUtf8(text(TextId::GameTitle));
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
    pacer_.emplace(WebPage::now());
    const auto pixels = static_cast<std::size_t>(screen_.width() * screen_.height());
    rgba_.resize(pixels);
    shownSource_.resize(pixels);
    present();
    return true;
}

std::uint32_t WebShell::step() {
    // The start of this turn: the browser's loop counts the next sleep from about here.
    const double now = WebPage::now();
    SDL_Event event;
    // Events always go before frames.
    while (!ended_ && SDL_PollEvent(&event)) {
        if (!aboutOpen_) {
            events_.handle(event, session_.replaying() ? nullptr : &game_->input());
        }
    }
    // While the About box is open the game waits, as behind the desktop's modal box.
    if (!ended_ && pacer_->startsFrame(now) && !aboutOpen_) {
        runFrame();
    }
    return std::max<std::uint32_t>(1, pacer_->waitTime(now));
}

void WebShell::musicArrived() {
    if (game_ && !ended_) {
        game_->reloadMusic();
    }
}

void WebShell::dialogClosed() {
    aboutOpen_ = false;
    keys_.holdUntilReleased();
}

void WebShell::runCommand(int command) {
    if (command == MenuStrip::kQuit) {
        end();
    } else if (command == MenuStrip::kAbout) {
        aboutOpen_ = true;
        WebPage::showAbout(sjisToUtf8(text(TextId::AboutCaption)),
                           sjisToUtf8(text(TextId::GameTitle) + "\n" + kVersionText));
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
    // The picture rows come straight from the game's framebuffer, unless an open menu lies
    // over them; a closed strip always looks the same, so it is drawn once.
    const bool menuOpen = menu_.isOpen();
    if (menuOpen) {
        game_->framebuffer().drawTo(screen_, 0, MenuStrip::kHeight);
    }
    if (menuOpen || !stripDrawn_) {
        menu_.draw(screen_);
        stripDrawn_ = !menuOpen;
    }
    const int width = screen_.width();
    const auto rowBytes = static_cast<std::size_t>(width) * sizeof(Pixel);
    int first = screen_.height();
    int end = 0;
    for (int y = 0; y < screen_.height(); ++y) {
        const Pixel* source = menuOpen || y < MenuStrip::kHeight
                                  ? screen_.row(y)
                                  : game_->framebuffer().row(y - MenuStrip::kHeight);
        Pixel* last = shownSource_.data() + static_cast<std::size_t>(y) * width;
        // Compared word by word without a branch; only changed rows are converted.
        std::uint32_t differs = presented_ ? 0 : 1;
        for (int x = 0; x < width; ++x) {
            differs |= source[x] ^ last[x];
        }
        if (differs == 0) {
            continue;
        }
        std::memcpy(last, source, rowBytes);
        // 0xAARRGGBB to the canvas's R, G, B, A bytes (a little-endian word 0xAABBGGRR); the
        // top byte never shows: opaque.
        std::uint32_t* out = rgba_.data() + static_cast<std::size_t>(y) * width;
        for (int x = 0; x < width; ++x) {
            const Pixel pixel = source[x];
            out[x] =
                0xFF000000u | (pixel & 0xFF00u) | (pixel >> 16 & 0xFFu) | (pixel & 0xFFu) << 16;
        }
        first = std::min(first, y);
        end = y + 1;
    }
    if (first >= end) {
        return;  // the canvas shows this picture already
    }
    presented_ = true;
    WebPage::drawPicture(reinterpret_cast<const std::uint8_t*>(rgba_.data()), width,
                         screen_.height(), first, end);
}
