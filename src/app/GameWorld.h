#pragma once

#include "data/DataManager.h"
#include "scenes/MainScene.h"
#include "scenes/SceneGlobals.h"
#include "ui/WindowImages.h"

class InputState;

// Everything read from the game folder and the play that runs on it: the window pictures, the
// main scene with its windows and blink frames, the registry of the data file and the scenes'
// shared state, constructed in the game's start-up order and destroyed in reverse. A reload
// builds a second world beside the running one and puts it in place only once its data file
// has loaded, so the running game never sees half a load.
struct GameWorld {
    explicit GameWorld(InputState& input);
    GameWorld(const GameWorld&) = delete;
    GameWorld& operator=(const GameWorld&) = delete;

    // Makes this world's window pictures, registry and normal attack the ones the windows and
    // the characters reach through their single instances.
    void makeCurrent();

    WindowImages windowImages;
    MainScene mainScene;
    DataManager data;
    SceneGlobals sceneGlobals;
};
