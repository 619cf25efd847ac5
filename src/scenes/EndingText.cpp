#include "scenes/EndingText.h"

#include "app/InputState.h"
#include "scenes/SceneGlobals.h"
#include "ui/AnimationWindow.h"
#include "ui/BackgroundWindow.h"
#include "ui/NameWindow.h"
#include "ui/OptionWindow.h"
#include "ui/StatusWindow.h"

void showClosingText(SceneGlobals& globals, const char* text) {
    globals.messageWindow->visible = true;
    globals.mapWindow->visible = true;
    globals.optionWindow->visible = false;
    globals.statusWindow->visible = false;
    globals.heroPicture->visible = false;

    globals.messageWindow->linesPerPage = 1;
    setText(*globals.messageWindow, text);
    setText(*globals.nameWindow, "");
    globals.enemyPicture->animation = nullptr;
    globals.enemyPicture->animate = false;
}

void turnClosingText(SceneGlobals& globals) {
    if (globals.input->isPressed(ButtonDecide)) {
        globals.messageWindow->turnPage(1);
    }
}
