#pragma once

#include "scenes/Scene.h"

struct SceneGlobals;

// Picks a hero from the roster; the picture and the status window follow the cursor. Finishes
// with 0 when a living hero is chosen; a fallen hero cannot be chosen.
class CharacterSelectScene : public Scene {
public:
    explicit CharacterSelectScene(SceneGlobals& globals) : g_(globals) {}
    void begin() override;
    void update() override;

private:
    SceneGlobals& g_;
};
