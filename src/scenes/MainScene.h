#pragma once

#include <array>
#include <memory>

#include "data/SerialAnimation.h"
#include "ui/AnimationWindow.h"
#include "ui/BackgroundWindow.h"
#include "ui/MyStatusWindow.h"
#include "ui/NameWindow.h"
#include "ui/OptionWindow.h"
#include "ui/StatusWindow.h"
#include "ui/TextWindow.h"

class CharacterState;
class DataManager;
class DIBImage;
class Image;
class Scene;
struct SceneTransition;

// Runs the game's flow and owns every window on screen. The app constructs it (after the
// WindowImages, before the DataManager), lets a SceneGlobals attach the ten scenes, calls
// init() once the data file has loaded and then update() and draw() every frame.
//
// Each frame update() runs the current scene and, while the current scene has finished, moves
// on through the transition table (a finished scene without a matching row is begun again).
// Scenes never draw; draw() fills the background and draws the windows in a fixed order.
class MainScene {
public:
    // How many scenes one init() or update() may begin; the real table settles within a few.
    // A table that keeps finishing scenes is continued in the next frame instead of hanging.
    static constexpr int kMaxSwitchesPerCall = 64;
    // The blink animation's pictures, read at construction (a missing file stays empty).
    static constexpr const char* kBlinkFiles[5] = {"image\\goddamn1.png", "image\\goddamn2.png",
                                                   "image\\goddamn3.png", "image\\goddamn4.png",
                                                   "image\\goddamn5.png"};

    MainScene();
    MainScene(const MainScene&) = delete;
    MainScene& operator=(const MainScene&) = delete;

    // Hands over the transition table (ended by a null row), the first scene and the registry.
    void attachScenes(const SceneTransition* table, Scene* first, DataManager* registry);
    // Forgets them again; update() then only plays the blink animation.
    void detachScenes();

    // Restores the Me state (when the data file has one) and begins the first scene.
    void init();
    void update();
    void draw(DIBImage& target);

    // The scene that follows currentScene by the table; currentScene itself without a row.
    Scene* nextScene() const;

    const SceneTransition* transitions = nullptr;
    TextWindow messageWindow;
    NameWindow nameWindow;
    OptionWindow optionWindow;
    StatusWindow statusWindow;
    AnimationWindow enemyPicture;
    AnimationWindow heroPicture;
    BackgroundWindow mapWindow;
    MyStatusWindow lowerStatusWindow;
    CharacterState* registryCharacter = nullptr;
    Scene* currentScene = nullptr;
    Scene* firstScene = nullptr;

    // The eyes on the map: four frames of one blink, and the cycle of 185 steps that plays it
    // between pauses. Both loop for ever.
    SerialAnimation blinkFrames{0};
    SerialAnimation blinkAnimation{0};

private:
    void buildBlink();
    void beginScene(Scene* scene);
    void switchFinishedScenes();

    std::array<std::unique_ptr<Image>, 5> blinkImages_;
    DataManager* registry_ = nullptr;
};
