#include "scenes/EndScene.h"

#include "scenes/EndingText.h"
#include "text/Catalogue.h"

void EndScene::begin() {
    showClosingText(g_, text(TextId::EndingText).c_str());
}

void EndScene::update() {
    turnClosingText(g_);
}
