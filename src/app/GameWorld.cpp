#include "app/GameWorld.h"

GameWorld::GameWorld(InputState& input) : sceneGlobals(input, data, mainScene) {}

void GameWorld::makeCurrent() {
    windowImages.makeCurrent();
    data.makeCurrent();
}
