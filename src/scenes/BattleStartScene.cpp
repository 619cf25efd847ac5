#include "scenes/BattleStartScene.h"

#include "app/InputState.h"
#include "data/CharacterState.h"
#include "data/DataManager.h"
#include "scenes/SceneGlobals.h"
#include "ui/AnimationWindow.h"
#include "ui/BackgroundWindow.h"
#include "ui/OptionWindow.h"
#include "ui/StatusWindow.h"

void BattleStartScene::begin() {
    // The name window and the enemy's picture keep what the start scene put there.
    g_.messageWindow->visible = true;
    g_.statusWindow->visible = true;
    g_.heroPicture->visible = true;
    g_.optionWindow->visible = false;
    g_.mapWindow->visible = false;

    g_.messageWindow->linesPerPage = 2;
    enemyLineShown = 0;
    g_.hero = g_.registry->playerState(g_.heroIndex);
    if (g_.hero != nullptr) {
        setText(*g_.messageWindow, g_.hero->message(0));
    }
}

void BattleStartScene::update() {
    if (!g_.input->isPressed(ButtonDecide)) {
        return;
    }
    if (g_.messageWindow->turnPage(1)) {
        return;
    }
    if (enemyLineShown == 1) {
        finish(0);
        return;
    }
    enemyLineShown = 1;
    CharacterState* enemy = g_.registry->enemyState(g_.battleGround);
    setText(*g_.messageWindow, enemy->message(0));
}
