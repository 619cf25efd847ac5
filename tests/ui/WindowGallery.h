#pragma once

#include <memory>

#include "UiTestSupport.h"
#include "ui/AnimationWindow.h"
#include "ui/BackgroundWindow.h"
#include "ui/InitMenu.h"
#include "ui/MyStatusWindow.h"
#include "ui/NameWindow.h"
#include "ui/OptionWindow.h"
#include "ui/StatusWindow.h"
#include "ui/TextWindow.h"

// One 256 x 224 frame with every window class showing fixture content, for looking at the
// windows together and for the golden-image test. Needs the window image set to exist and
// the target to have a font selected.
class WindowGallery {
public:
    WindowGallery();
    void draw(DIBImage& target);

private:
    TextWindow message;
    NameWindow name;
    OptionWindow option;
    StatusWindow status;
    AnimationWindow picture;
    BackgroundWindow map;
    MyStatusWindow lowerStatus;

    InitMenu menu;
    uitest::Fighter hero;
    uitest::Fighter lowerHero;
    Image face;
};
