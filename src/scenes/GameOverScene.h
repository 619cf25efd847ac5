#pragma once

#include "scenes/Scene.h"

struct SceneGlobals;

// The game-over text, one line a page. Never finishes.
class GameOverScene : public Scene {
public:
    explicit GameOverScene(SceneGlobals& globals) : g_(globals) {}
    void begin() override;
    void update() override;

private:
    SceneGlobals& g_;
};
