#include "scenes/GameOverScene.h"

#include "scenes/EndingText.h"

void GameOverScene::begin() {
    showClosingText(g_, kGameOverText);
}

void GameOverScene::update() {
    turnClosingText(g_);
}
