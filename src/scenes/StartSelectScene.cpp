#include "scenes/StartSelectScene.h"

#include "scenes/SceneGlobals.h"
#include "ui/AnimationWindow.h"
#include "ui/BackgroundWindow.h"
#include "ui/MenuDriver.h"
#include "ui/OptionWindow.h"
#include "ui/StatusWindow.h"

void StartSelectScene::begin() {
    g_.optionWindow->visible = true;
    g_.mapWindow->visible = true;
    g_.messageWindow->visible = false;
    g_.statusWindow->visible = false;
    g_.heroPicture->visible = false;

    // Only the menu shows; its cursor stays where the last visit left it.
    g_.optionWindow->linesPerPage = 0;
    setText(*g_.optionWindow, "");
    g_.optionWindow->menu = &g_.initMenu;
    g_.optionWindow->firstRow = 0;
    g_.optionWindow->rows = 1;
    g_.optionWindow->columns = 2;
}

void StartSelectScene::update() {
    MenuManager& menu = g_.initMenu;
    switch (driveMenu(menu, *g_.input, 2)) {
        case MenuAction::Decided:
            if (menu.currentItem()->id == InitMenu::kFight) {
                finish(0);
            } else if (menu.currentItem()->id == InitMenu::kRunAway) {
                finish(1);
            }
            break;
        case MenuAction::Cancelled:
            finish(1);  // cancel at the root runs away, like "にげる"
            break;
        case MenuAction::None:
            break;
    }
}
