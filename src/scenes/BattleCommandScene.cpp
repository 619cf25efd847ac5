#include "scenes/BattleCommandScene.h"

#include "data/CharacterState.h"
#include "data/DataManager.h"
#include "data/SpecialArt.h"
#include "scenes/SceneGlobals.h"
#include "ui/AnimationWindow.h"
#include "ui/BackgroundWindow.h"
#include "ui/MenuDriver.h"
#include "ui/OptionWindow.h"
#include "ui/StatusWindow.h"

void BattleCommandScene::begin() {
    g_.messageWindow->visible = false;
    g_.mapWindow->visible = false;
    g_.optionWindow->visible = true;
    g_.statusWindow->visible = true;
    g_.heroPicture->visible = true;

    // Only the menu shows: "たたかう" "ひっさつわざ" on the first row, "にげる" below.
    g_.optionWindow->linesPerPage = 0;
    setText(*g_.optionWindow, "");
    g_.optionWindow->menu = &g_.battleCommandMenu;
    g_.optionWindow->firstRow = 0;
    g_.optionWindow->rows = 2;
    g_.optionWindow->columns = 2;

    g_.hero = g_.registry->playerState(g_.heroIndex);
    g_.heroPicture->animation = g_.hero->faceImage(0);
    g_.heroPicture->animate = false;
    g_.statusWindow->character = g_.hero;

    g_.battleCommandMenu.setCharacter(g_.hero);
    g_.battleCommandMenu.reset();
}

void BattleCommandScene::update() {
    MenuManager& menu = g_.battleCommandMenu;
    // Cancel goes back from the art list to the commands and does nothing at the top.
    if (driveMenu(menu, *g_.input, 2) != MenuAction::Decided) {
        return;
    }
    const int id = menu.currentItem()->id;
    SpecialArt* art = nullptr;
    if (id == BattleCommandMenu::kAttack) {
        art = g_.registry->normalAttack();
    } else if (id == BattleCommandMenu::kRunAway) {
        finish(1);
        return;
    } else if (id >= BattleCommandMenu::kFirstArt &&
               id - BattleCommandMenu::kFirstArt < g_.hero->specialArtCount()) {
        art = g_.hero->specialArt(id - BattleCommandMenu::kFirstArt);
    }
    // "ひっさつわざ" without arts chooses nothing, and an art the hero cannot pay is refused
    // without a word: the menu stays.
    if (art != nullptr && art->canUse(*g_.hero)) {
        g_.heroArt = art;
        finish(0);
    }
}
