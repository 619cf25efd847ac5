#pragma once

#include "scenes/Scene.h"

struct SceneGlobals;

// The hero's action for this turn: the normal attack or a special art the hero can pay
// (result 0, stored in heroArt), or running away (result 1).
class BattleCommandScene : public Scene {
public:
    explicit BattleCommandScene(SceneGlobals& globals) : g_(globals) {}
    void begin() override;
    void update() override;

private:
    SceneGlobals& g_;
};
