#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <queue>

#include "scenes/Command.h"
#include "scenes/Event.h"
#include "ui/BattleCommandMenu.h"
#include "ui/CharacterSelectMenu.h"
#include "ui/InitMenu.h"
#include "ui/YesNoMenu.h"

class AnimationWindow;
class BackgroundWindow;
class CharacterState;
class DataManager;
class InputState;
class MainScene;
class NameWindow;
class OptionWindow;
class SceneSet;
class SpecialArt;
class StatusWindow;
class TextWindow;

// What every scene shares: the input, the registry, aliases of the main scene's windows, the
// battle state and the four menus. The app constructs it once, after the DataManager and the
// MainScene, and keeps it until shut-down:
//
//     MainScene mainScene;                      // windows and the blink animation
//     DataManager dataManager;                  // then load the script
//     SceneGlobals globals(input, dataManager, mainScene);
//     mainScene.init();                         // once the script has loaded
//
// The constructor builds the ten scenes and hands them with their transition table to the main
// scene; the destructor takes them back, so the main scene never points at freed scenes.
struct SceneGlobals {
    SceneGlobals(InputState& input, DataManager& registry, MainScene& mainScene);
    ~SceneGlobals();
    SceneGlobals(const SceneGlobals&) = delete;
    SceneGlobals& operator=(const SceneGlobals&) = delete;

    InputState* input;
    DataManager* registry;

    TextWindow* messageWindow;
    NameWindow* nameWindow;
    OptionWindow* optionWindow;
    StatusWindow* statusWindow;
    AnimationWindow* enemyPicture;
    AnimationWindow* heroPicture;
    BackgroundWindow* mapWindow;

    // Index of the current battle ground and of its enemy; the player sees battleGround + 1.
    std::int32_t battleGround = 0;
    // The hero highlighted or chosen in the roster.
    std::int32_t heroIndex = 0;
    CharacterState* hero = nullptr;
    CharacterState* enemy = nullptr;
    // The actions chosen for this turn; they keep their last values between turns.
    SpecialArt* heroArt = nullptr;
    SpecialArt* enemyArt = nullptr;

    std::queue<Command> commandQueue;
    std::deque<std::unique_ptr<Event>> eventQueue;

    InitMenu initMenu;
    CharacterSelectMenu characterSelectMenu;
    YesNoMenu yesNoMenu;
    BattleCommandMenu battleCommandMenu;

    MainScene& mainScene;
    std::unique_ptr<SceneSet> scenes;
};
