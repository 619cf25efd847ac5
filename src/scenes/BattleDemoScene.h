#pragma once

#include "scenes/Scene.h"

struct SceneGlobals;

// Plays one turn: the enemy chooses its art, a coin toss orders the two commands, and each
// command that can still take place is shown as a chain of battle events. Finishes with 1 when
// both fighters still stand, else with 0.
class BattleDemoScene : public Scene {
public:
    explicit BattleDemoScene(SceneGlobals& globals) : g_(globals) {}
    void begin() override;
    void update() override;

private:
    SceneGlobals& g_;
};
