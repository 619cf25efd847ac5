#include "scenes/MainScene.h"

#include "data/CharacterState.h"
#include "data/DataManager.h"
#include "gfx/DIBImage.h"
#include "platform/GamePath.h"
#include "scenes/Scene.h"
#include "scenes/SceneTransition.h"

namespace {

constexpr Pixel kBackground = 0x7FBF00;
constexpr Pixel kWindowFill = 0xFFBF9F;

}  // namespace

MainScene::MainScene()
    : messageWindow(16, 56, 240, 104, 16, 16, 16, 0, kWindowFill, true),
      nameWindow(176, 8, 240, 32, 16, 8, 8, 8, kWindowFill, false),
      optionWindow(16, 56, 240, 104, 16, 16, 16, 0, kWindowFill, true),
      statusWindow(16, 104, 144, 152, 16, 8, 16, 8, kWindowFill),
      enemyPicture(80, 8, 176, 56, 0, 0, 0, 0, 0),
      heroPicture(144, 104, 240, 152, 0, 0, 0, 0, 0),
      mapWindow(16, 88, 240, 152, 0, 0, 0, 0, 0),
      lowerStatusWindow(72, 152, 240, 216, 8, 8, 8, 8, kWindowFill) {
    optionWindow.rows = 2;
    optionWindow.columns = 1;
    optionWindow.firstRow = 0;
    optionWindow.menu = nullptr;
    buildBlink();
    mapWindow.animation = &blinkAnimation;
    mapWindow.animate = true;
}

void MainScene::buildBlink() {
    for (std::size_t i = 0; i < blinkImages_.size(); ++i) {
        blinkImages_[i] = std::make_unique<Image>(gamePath(kBlinkFiles[i]));
    }
    Image* open = blinkImages_[0].get();
    for (std::size_t i = 1; i < blinkImages_.size(); ++i) {
        blinkFrames.addImage(blinkImages_[i].get(), 1);
    }
    // One cycle: 20 + 4 + 60 + 4 + 25 + 3 + 4 + 7 + 4 + 50 + 4 = 185 steps.
    blinkAnimation.addImage(open, 20);
    blinkAnimation.addAnimation(&blinkFrames, 4, true);
    blinkAnimation.addImage(open, 60);
    blinkAnimation.addAnimation(&blinkFrames, 4, true);
    blinkAnimation.addImage(open, 25);
    blinkAnimation.addAnimation(&blinkFrames, 3, true);
    blinkAnimation.addAnimation(&blinkFrames, 4, true);
    blinkAnimation.addImage(open, 7);
    blinkAnimation.addAnimation(&blinkFrames, 4, true);
    blinkAnimation.addImage(open, 50);
    blinkAnimation.addAnimation(&blinkFrames, 4, true);
}

void MainScene::attachScenes(const SceneTransition* table, Scene* first, DataManager* registry) {
    transitions = table;
    firstScene = first;
    registry_ = registry;
}

void MainScene::detachScenes() {
    transitions = nullptr;
    firstScene = nullptr;
    currentScene = nullptr;
    registry_ = nullptr;
}

void MainScene::init() {
    // A data file without a "Me" block has no Me state; nothing else depends on it.
    registryCharacter = registry_ != nullptr ? registry_->meState() : nullptr;
    if (registryCharacter != nullptr) {
        registryCharacter->restore();
    }
    currentScene = nullptr;
    if (firstScene == nullptr) {
        return;
    }
    beginScene(firstScene);
    switchFinishedScenes();
}

void MainScene::update() {
    if (currentScene != nullptr) {
        currentScene->update();
        switchFinishedScenes();
    }
    blinkAnimation.update();
}

void MainScene::draw(DIBImage& target) {
    target.fillRect(kBackground, target.clipX0(), target.clipY0(), target.clipX1(),
                    target.clipY1());
    messageWindow.draw(target);
    optionWindow.draw(target);
    statusWindow.draw(target);
    enemyPicture.draw(target);
    heroPicture.draw(target);
    nameWindow.draw(target);
    mapWindow.draw(target);
    lowerStatusWindow.draw(target);
}

Scene* MainScene::nextScene() const {
    if (transitions != nullptr) {
        for (const SceneTransition* row = transitions; row->from != nullptr; ++row) {
            if (row->from == currentScene && row->result == currentScene->result) {
                return row->to;
            }
        }
    }
    return currentScene;
}

void MainScene::beginScene(Scene* scene) {
    currentScene = scene;
    scene->result = 0;
    scene->finished = false;
    scene->begin();
}

void MainScene::switchFinishedScenes() {
    for (int i = 0; i < kMaxSwitchesPerCall && currentScene->finished; ++i) {
        beginScene(nextScene());
    }
}
