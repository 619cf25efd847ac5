#pragma once

#include <cstdint>

#include "scenes/Scene.h"

struct SceneGlobals;

// The opening lines of a battle: the hero's "start" line, then the enemy's, two lines a page.
class BattleStartScene : public Scene {
public:
    explicit BattleStartScene(SceneGlobals& globals) : g_(globals) {}
    void begin() override;
    void update() override;

    // 1 once the enemy's line has been put up.
    std::int32_t enemyLineShown = 0;

private:
    SceneGlobals& g_;
};
