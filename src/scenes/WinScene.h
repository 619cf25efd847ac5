#pragma once

#include "scenes/Scene.h"

struct SceneGlobals;

// After every battle: moves the battle-ground counter on when the enemy is down and lets the
// map marker walk to its new place. The decide button skips the walk.
class WinScene : public Scene {
public:
    explicit WinScene(SceneGlobals& globals) : g_(globals) {}
    void begin() override;
    void update() override;

private:
    SceneGlobals& g_;
};
