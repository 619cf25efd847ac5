#include "GameHarness.h"

#include "data/Random.h"
#include "ui/MenuManager.h"

GameHarness::GameHarness(const std::string& fixture, unsigned seed) {
    data.setQuiet(true);
    data.setLoadImages(false);
    loaded = data.load(std::string(VK_SOURCE_DIR) + "/tests/fixtures/scenes/" + fixture);
    framebuffer.selectFont(&font);
    Random::seed(seed);
    mainScene.init();
}

void GameHarness::frame() {
    framebuffer.fillRect(0, 0, 0, framebuffer.width(), framebuffer.height());
    input.poll(keys);
    mainScene.update();
    mainScene.draw(framebuffer);
}

void GameHarness::press(Button button) {
    keys.down.insert(input.keyCode[button]);
    frame();
    keys.down.erase(input.keyCode[button]);
    frame();
}

void GameHarness::press(Button button, int times) {
    for (int i = 0; i < times; ++i) {
        press(button);
    }
}

namespace {

std::string pageLine(const TextWindow& window) {
    const auto k = static_cast<std::size_t>(window.firstLine);
    return k < window.lines.size() ? window.lines[k] : std::string();
}

}  // namespace

std::string GameHarness::messageLine() const {
    return pageLine(mainScene.messageWindow);
}

std::string GameHarness::optionLine() const {
    return pageLine(mainScene.optionWindow);
}

std::string GameHarness::cursorLabel() const {
    const MenuManager* menu = mainScene.optionWindow.menu;
    if (menu == nullptr) {
        return {};
    }
    const MenuItem* item = menu->currentItem();
    return item != nullptr ? item->text : std::string();
}
