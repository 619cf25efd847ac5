#include "scenes/GameOverScene.h"

#include "scenes/EndingText.h"
#include "text/Catalogue.h"

void GameOverScene::begin() {
    showClosingText(g_, text(TextId::GameOverText).c_str());
}

void GameOverScene::update() {
    turnClosingText(g_);
}
