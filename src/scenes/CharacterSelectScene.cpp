#include "scenes/CharacterSelectScene.h"

#include "data/CharacterState.h"
#include "data/DataManager.h"
#include "scenes/SceneGlobals.h"
#include "text/Catalogue.h"
#include "ui/AnimationWindow.h"
#include "ui/BackgroundWindow.h"
#include "ui/MenuDriver.h"
#include "ui/OptionWindow.h"
#include "ui/StatusWindow.h"

void CharacterSelectScene::begin() {
    g_.optionWindow->visible = true;
    g_.statusWindow->visible = true;
    g_.heroPicture->visible = true;
    g_.messageWindow->visible = false;
    g_.mapWindow->visible = false;

    // The roster is rebuilt on every visit; the cursor stays where it was.
    g_.characterSelectMenu.fillFromRoster(g_.registry);
    g_.optionWindow->linesPerPage = 1;
    setText(*g_.optionWindow, text(TextId::QuestionWho).c_str());
    g_.optionWindow->menu = &g_.characterSelectMenu;
    g_.optionWindow->firstRow = 0;
    g_.optionWindow->rows = 1;
    g_.optionWindow->columns = 4;
}

void CharacterSelectScene::update() {
    MenuManager& menu = g_.characterSelectMenu;
    // The picture and the status follow the cursor, also onto a fallen hero.
    if (const MenuItem* item = menu.currentItem(); item != nullptr) {
        g_.heroIndex = item->id;
        g_.hero = g_.registry->playerState(g_.heroIndex);
        if (g_.hero != nullptr) {
            g_.heroPicture->animation = g_.hero->faceImage(0);
            g_.heroPicture->animate = false;
            g_.statusWindow->character = g_.hero;
        }
    }

    // Cancel only closes a submenu; a fallen hero cannot be chosen.
    if (driveMenu(menu, *g_.input, 4) == MenuAction::Decided && g_.hero != nullptr &&
        g_.hero->isAlive()) {
        finish(0);
    }
}
