#pragma once

#include "scenes/Scene.h"

struct SceneGlobals;

// Asks whether the chosen hero is right: result 0 for "はい", 1 for "いいえ".
class CharacterConfirmScene : public Scene {
public:
    explicit CharacterConfirmScene(SceneGlobals& globals) : g_(globals) {}
    void begin() override;
    void update() override;

private:
    SceneGlobals& g_;
};
