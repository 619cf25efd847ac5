#include "scenes/MessageEvent.h"

#include "scenes/SceneGlobals.h"
#include "ui/TextWindow.h"

void MessageEvent::step() {
    if (stage == 0) {
        setText(*g_.messageWindow, text.c_str());
    } else {
        done = true;
    }
    ++stage;
}
