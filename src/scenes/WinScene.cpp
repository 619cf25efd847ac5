#include "scenes/WinScene.h"

#include "app/InputState.h"
#include "data/CharacterState.h"
#include "data/DataManager.h"
#include "scenes/SceneGlobals.h"
#include "ui/AnimationWindow.h"
#include "ui/BackgroundWindow.h"
#include "ui/NameWindow.h"
#include "ui/OptionWindow.h"
#include "ui/StatusWindow.h"

void WinScene::begin() {
    g_.messageWindow->visible = true;
    g_.mapWindow->visible = true;
    g_.optionWindow->visible = false;
    g_.statusWindow->visible = false;
    g_.heroPicture->visible = false;

    DataManager& registry = *g_.registry;
    if (g_.battleGround >= 0 && g_.battleGround < registry.enemyCount() &&
        !registry.enemyState(g_.battleGround)->isAlive()) {
        ++g_.battleGround;
    }
    g_.mapWindow->setStage(g_.battleGround);
    // A lost battle does not move the target, so there is nothing to watch.
    if (g_.mapWindow->arrived()) {
        finish(0);
        return;
    }
    g_.messageWindow->linesPerPage = 1;
    setText(*g_.messageWindow, "");
    setText(*g_.nameWindow, "");
    g_.enemyPicture->animation = nullptr;
    g_.enemyPicture->animate = false;
}

void WinScene::update() {
    // The marker walks as the map window draws; the decide button stops waiting for it.
    if (g_.input->isPressed(ButtonDecide) || g_.mapWindow->arrived()) {
        finish(0);
    }
}
