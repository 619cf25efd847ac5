#pragma once

#include "scenes/Scene.h"

struct SceneGlobals;

// Fight or run away: result 0 for "しょうぶする", 1 for "にげる" or the cancel button.
class StartSelectScene : public Scene {
public:
    explicit StartSelectScene(SceneGlobals& globals) : g_(globals) {}
    void begin() override;
    void update() override;

private:
    SceneGlobals& g_;
};
