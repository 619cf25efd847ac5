#pragma once

#include "scenes/Scene.h"

struct SceneGlobals;

// Introduces the current battle ground and its enemy, or ends the game: result 1 when every
// battle ground is cleared, 2 when no hero is left standing, 0 once the introduction is read.
class StartScene : public Scene {
public:
    explicit StartScene(SceneGlobals& globals) : g_(globals) {}
    void begin() override;
    void update() override;

private:
    SceneGlobals& g_;
};
