#include "app/Game.h"

#include "data/Random.h"
#include "platform/KeySource.h"

Game::Game(TextRasterizer* text) : font_(text) {}

Game::~Game() {
    stop();
}

bool Game::start(Dialogs* dialogs, AudioOut* audio) {
    data_.setDialogs(dialogs);
    if (!data_.load(kDataFile)) {
        return false;
    }
    soundManager_.setSlot(0, &music_, true, 128);
    soundManager_.open(audio);
    mainScene_.init();
    return true;
}

void Game::attachWindow(std::uint32_t seed) {
    clearPicture();
    framebuffer_.selectFont(&font_);
    Random::seed(seed);
}

void Game::frame(const KeySource& keys) {
    clearPicture();
    input_.poll(keys);
    mainScene_.update();
    mainScene_.draw(framebuffer_);
}

void Game::stop() {
    // The output reads the music until it is closed; the music member goes only after this.
    soundManager_.close();
}

void Game::clearPicture() {
    framebuffer_.fillRect(0, framebuffer_.clipX0(), framebuffer_.clipY0(), framebuffer_.clipX1(),
                          framebuffer_.clipY1());
}
