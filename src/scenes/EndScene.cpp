#include "scenes/EndScene.h"

#include "scenes/EndingText.h"

void EndScene::begin() {
    showClosingText(g_, kEndingText);
}

void EndScene::update() {
    turnClosingText(g_);
}
