#pragma once

#include <cstdint>
#include <memory>
#include <set>

#include "app/InputState.h"
#include "autoplay/Camera.h"
#include "autoplay/GameRecord.h"
#include "autoplay/Strategy.h"
#include "platform/KeySource.h"

class Game;
class MainScene;
class MenuManager;
class RecordingKeySource;
class CharacterState;
class Scene;
class SpecialArt;
class TextRasterizer;

// Plays whole games of the data file in the working directory through the real game: a Game
// is started for every seed, and the player presses buttons frame by frame as a person would
// (a key goes down for one frame and up for the next). It decides from what the windows show
// and never changes the game's state itself.
class AutoPlayer {
public:
    // A game that has not ended after this many frames counts as stuck.
    static constexpr int kMaxFrames = 200'000;

    // text draws the game's texts (null: none, which is faster); it must outlive the player.
    // normalStrength is the strength of the data file's normal attack.
    AutoPlayer(Strategy strategy, int normalStrength, TextRasterizer* text = nullptr);
    ~AutoPlayer();
    AutoPlayer(const AutoPlayer&) = delete;
    AutoPlayer& operator=(const AutoPlayer&) = delete;

    // The camera (not owned, may be null) is offered the shots it wants.
    void setCamera(Camera* camera) { camera_ = camera; }
    // Frames after which a game counts as stuck (kMaxFrames unless set).
    void setFrameLimit(int frames) { frameLimit_ = frames; }
    // The recorder (not owned, may be null) sees every frame's keys and passes them on.
    void setRecorder(RecordingKeySource* recorder) { recorder_ = recorder; }

    GameRecord play(std::uint32_t seed);

private:
    // Keys held down by the player.
    class HeldKeys : public KeySource {
    public:
        bool isDown(int virtualKey) const override { return down.count(virtualKey) != 0; }
        std::set<int> down;
    };

    // Counts a battle for its hero once the battle scenes are left (scene is the one running,
    // null when the game is over).
    void noteBattle(const Scene* scene);
    void frame();
    void press(Button button);
    void idle(int frames);
    void shoot(Camera::Shot shot);
    const MainScene& screen() const;
    // Moves the cursor of the menu's open level onto the entry with this id and presses
    // decide. False when the level has no such entry.
    bool choose(const MenuManager& menu, int id);

    void onStart();
    void onHeroSelection();
    void onCommand();
    void onBattleTurn();
    void onMapWalk();
    void onEnding();

    Strategy strategy_;
    int normalStrength_;
    TextRasterizer* text_;
    Camera* camera_ = nullptr;
    int frameLimit_ = kMaxFrames;
    RecordingKeySource* recorder_ = nullptr;
    std::unique_ptr<Game> game_;
    HeldKeys keys_;
    GameRecord record_;
    // The move chosen for this turn, to spot its animation.
    const SpecialArt* chosenArt_ = nullptr;
    // The hero chosen at the roster, the one fighting now (-1: none) and its enemy.
    int pickedHero_ = -1;
    int fighter_ = -1;
    const CharacterState* foe_ = nullptr;
};
