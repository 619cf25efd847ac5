#include "scenes/CharacterConfirmScene.h"

#include <string>

#include "data/CharacterState.h"
#include "data/DataManager.h"
#include "scenes/SceneGlobals.h"
#include "text/Catalogue.h"
#include "ui/AnimationWindow.h"
#include "ui/BackgroundWindow.h"
#include "ui/MenuDriver.h"
#include "ui/OptionWindow.h"
#include "ui/StatusWindow.h"

void CharacterConfirmScene::begin() {
    g_.optionWindow->visible = true;
    g_.statusWindow->visible = true;
    g_.heroPicture->visible = true;
    g_.messageWindow->visible = false;
    g_.mapWindow->visible = false;

    g_.yesNoMenu.reset();
    g_.optionWindow->linesPerPage = 1;
    g_.hero = g_.registry->playerState(g_.heroIndex);
    if (g_.hero != nullptr) {
        const std::string question = formatText(TextId::QuestionConfirmHero, {g_.hero->name()});
        setText(*g_.optionWindow, question.c_str());
    }
    g_.optionWindow->menu = &g_.yesNoMenu;
    g_.optionWindow->firstRow = 0;
    g_.optionWindow->rows = 1;
    g_.optionWindow->columns = 2;
}

void CharacterConfirmScene::update() {
    MenuManager& menu = g_.yesNoMenu;
    // Cancel only closes a submenu: going back to the roster takes "いいえ".
    if (driveMenu(menu, *g_.input, 2) == MenuAction::Decided) {
        finish(menu.currentItem()->id == YesNoMenu::kYes ? 0 : 1);
    }
}
