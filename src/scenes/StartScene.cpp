#include "scenes/StartScene.h"

#include <string>

#include "app/InputState.h"
#include "data/CharacterState.h"
#include "data/DataManager.h"
#include "scenes/SceneGlobals.h"
#include "text/Catalogue.h"
#include "ui/AnimationWindow.h"
#include "ui/BackgroundWindow.h"
#include "ui/NameWindow.h"
#include "ui/OptionWindow.h"
#include "ui/StatusWindow.h"

namespace {

bool anyHeroAlive(DataManager& registry) {
    for (int i = 0; i < registry.playerCount(); ++i) {
        if (registry.playerState(i)->isAlive()) {
            return true;
        }
    }
    return false;
}

}  // namespace

void StartScene::begin() {
    DataManager& registry = *g_.registry;
    if (g_.battleGround < 0 || g_.battleGround >= registry.enemyCount()) {
        finish(1);
        return;
    }
    if (!anyHeroAlive(registry)) {
        finish(2);
        return;
    }
    g_.messageWindow->visible = true;
    g_.mapWindow->visible = true;
    g_.optionWindow->visible = false;
    g_.statusWindow->visible = false;
    g_.heroPicture->visible = false;

    const std::string heading =
        formatText(TextId::BattleGroundHeading, {std::to_string(g_.battleGround + 1)});
    setText(*g_.messageWindow, heading.c_str());
    g_.enemy = registry.enemyState(g_.battleGround);
    setText(*g_.nameWindow, g_.enemy->name().c_str());
    g_.enemyPicture->animation = g_.enemy->faceImage(0);
    g_.enemyPicture->animate = false;
    g_.messageWindow->linesPerPage = 1;
    // The description follows the heading as further pages. An empty one adds none: as a
    // text it would be one empty line, a blank page before the choice.
    if (!g_.enemy->description().empty()) {
        g_.messageWindow->appendText(g_.enemy->description());
    }
}

void StartScene::update() {
    if (!g_.input->isPressed(ButtonDecide)) {
        return;
    }
    if (!g_.messageWindow->turnPage(1)) {
        finish(0);
    }
}
