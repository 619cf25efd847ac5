#include "app/Game.h"

#include "app/LanguageFiles.h"
#include "data/Random.h"
#include "platform/KeySource.h"
#include "text/Catalogue.h"

Game::Game(TextRasterizer* text) : font_(text) {}

Game::~Game() {
    stop();
    // The program's texts are process-wide: the next game starts from the originals.
    if (!translation_.empty()) {
        resetCatalogue();
    }
}

bool Game::setLanguage(const std::string& code, std::string& error) {
    if (!loadLanguage(code, translation_, error)) {
        return false;
    }
    translation_.applyToCatalogue();
    // The menus took their labels when the world was built: build it again in the language.
    world_.reset();
    world_ = std::make_unique<GameWorld>(input_);
    return true;
}

bool Game::start(Dialogs* dialogs, AudioOut* audio) {
    world_->data.setDialogs(dialogs);
    world_->data.setTranslation(translation_.empty() ? nullptr : &translation_);
    if (!world_->data.load(kDataFile)) {
        return false;
    }
    soundManager_.setSlot(0, &music_, true, 128);
    soundManager_.open(audio);
    world_->mainScene.init();
    return true;
}

std::unique_ptr<GameWorld> Game::loadWorld(Dialogs* dialogs) {
    // Built beside the running world: its pictures are read in its constructor.
    auto fresh = std::make_unique<GameWorld>(input_);
    loadWorldError_ = LoadError{};
    fresh->data.setDialogs(dialogs);
    fresh->data.setTranslation(translation_.empty() ? nullptr : &translation_);
    if (!fresh->data.load(kDataFile)) {
        loadWorldError_ = fresh->data.lastError();
        fresh.reset();
    }
    // Loading made the fresh pictures and normal attack the shared ones; the running world
    // keeps its own until it is replaced.
    world_->makeCurrent();
    return fresh;
}

void Game::replaceWorld(std::unique_ptr<GameWorld> fresh) {
    world_ = std::move(fresh);
    world_->makeCurrent();
    world_->mainScene.init();
}

void Game::attachWindow(std::uint32_t seed) {
    clearPicture();
    framebuffer_.selectFont(&font_);
    Random::seed(seed);
}

void Game::frame(const KeySource& keys) {
    // The picture is cleared, then updated and drawn. The main scene's draw begins by filling
    // the whole clip rectangle (the one the clear covers) with its background, and nothing
    // before it writes the picture, so the clear would be overwritten pixel for pixel: it is
    // left out, saving a full-screen fill every frame.
    input_.poll(keys);
    world_->mainScene.update();
    world_->mainScene.draw(framebuffer_);
}

void Game::reloadMusic() {
    // Out of its slot (under the output's lock) while the samples are replaced.
    soundManager_.setSlot(0, nullptr, false, 0);
    music_.loadWav(kMusicFile);
    soundManager_.setSlot(0, &music_, true, 128);
}

bool Game::reloadMusicIfChanged() {
    Sound fresh;
    fresh.loadWav(kMusicFile);
    if (fresh.sameAs(music_)) {
        return false;
    }
    soundManager_.setSlot(0, nullptr, false, 0);
    music_.swap(fresh);
    soundManager_.setSlot(0, &music_, true, 128);
    return true;
}

void Game::stop() {
    // The output reads the music until it is closed; the music member goes only after this.
    soundManager_.close();
}

void Game::clearPicture() {
    framebuffer_.fillRect(0, framebuffer_.clipX0(), framebuffer_.clipY0(), framebuffer_.clipX1(),
                          framebuffer_.clipY1());
}
