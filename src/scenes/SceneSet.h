#pragma once

#include <array>

#include "scenes/BattleCommandScene.h"
#include "scenes/BattleDemoScene.h"
#include "scenes/BattleStartScene.h"
#include "scenes/CharacterConfirmScene.h"
#include "scenes/CharacterSelectScene.h"
#include "scenes/EndScene.h"
#include "scenes/GameOverScene.h"
#include "scenes/SceneTransition.h"
#include "scenes/StartScene.h"
#include "scenes/StartSelectScene.h"
#include "scenes/WinScene.h"

struct SceneGlobals;

// The ten scenes of the game, one of each, and the transition table that links them. The
// table points into this object, so it is neither copied nor moved.
class SceneSet {
public:
    explicit SceneSet(SceneGlobals& globals);
    SceneSet(const SceneSet&) = delete;
    SceneSet& operator=(const SceneSet&) = delete;

    StartScene startScene;
    StartSelectScene startSelectScene;
    CharacterSelectScene characterSelectScene;
    CharacterConfirmScene characterConfirmScene;
    BattleStartScene battleStartScene;
    BattleCommandScene battleCommandScene;
    BattleDemoScene battleDemoScene;
    WinScene winScene;
    EndScene endScene;
    GameOverScene gameOverScene;

    // Fourteen rows and the null end row.
    std::array<SceneTransition, 15> transitions;
};
