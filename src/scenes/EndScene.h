#pragma once

#include "scenes/Scene.h"

struct SceneGlobals;

// The ending text, one line a page. Never finishes.
class EndScene : public Scene {
public:
    explicit EndScene(SceneGlobals& globals) : g_(globals) {}
    void begin() override;
    void update() override;

private:
    SceneGlobals& g_;
};
