#include "workbench/BattleStart.h"

#include "app/Game.h"
#include "data/CharacterState.h"
#include "data/DataManager.h"
#include "platform/KeySource.h"
#include "scenes/SceneSet.h"

namespace {

// The one key the battle test holds down, or none.
class OneKey : public KeySource {
public:
    bool isDown(int virtualKey) const override { return virtualKey != 0 && virtualKey == key; }
    int key = 0;
};

// "--ground 9: the data file has 5 battle grounds (1 to 5, one for each Enemy block)".
std::string outOfRange(const char* option, int number, int count, const char* one, const char* many,
                       const char* block) {
    std::string text = std::string(option) + " " + std::to_string(number) + ": the data file has ";
    if (count == 0) {
        return text + "no " + many + " (no " + block + " block)";
    }
    text += std::to_string(count) + " " + (count == 1 ? one : many);
    return text + " (" + (count == 1 ? "1" : "1 to " + std::to_string(count)) + ", one for each " +
           block + " block)";
}

}  // namespace

bool BattleStart::check(DataManager& data, const StartPoint& start, std::string& error) {
    if (!start.chosen()) {
        return true;  // the game's own start needs nothing
    }
    const int ground = start.groundIndex() + 1;
    if (ground > data.enemyCount()) {
        error = outOfRange("--ground", ground, data.enemyCount(), "battle ground", "battle grounds",
                           "Enemy");
        return false;
    }
    if (start.hero > data.playerCount()) {
        error = outOfRange("--hero", start.hero, data.playerCount(), "hero", "heroes", "Player");
        return false;
    }
    if (start.hero > 0 && !data.playerState(start.hero - 1)->isAlive()) {
        error = "--hero " + std::to_string(start.hero) + " cannot fight: its maxHP is " +
                std::to_string(data.playerState(start.hero - 1)->maxHP());
        return false;
    }
    return true;
}

bool BattleStart::begin(Game& game, const StartPoint& start) {
    if (!start.chosen()) {
        return true;
    }
    beginAtGround(game, start.groundIndex());
    return start.hero == 0 || pressOnToHero(game, start.hero - 1);
}

void BattleStart::beginAtGround(Game& game, int index) {
    game.sceneGlobals().battleGround = index;
    BackgroundWindow& map = game.mainScene().mapWindow;
    map.setStage(index);
    map.markerX = map.targetX;
    map.markerY = map.targetY;
    game.mainScene().init();
}

bool BattleStart::pressOnToHero(Game& game, int heroIndex) {
    SceneGlobals& globals = game.sceneGlobals();
    const SceneSet& scenes = *globals.scenes;
    InputState& input = game.input();
    // Nothing held from before counts: every press below is a fresh one.
    input.heldFrames.fill(0);
    input.injectedPress.fill(0);
    OneKey keys;
    auto press = [&](Button button) {
        keys.key = input.keyCode[button];
        game.frame(keys);
        keys.key = 0;
        game.frame(keys);
    };
    for (int presses = 0; presses < kMaxPresses; ++presses) {
        const Scene* scene = game.mainScene().currentScene;
        if (scene == &scenes.battleStartScene) {
            return true;
        }
        if (scene == &scenes.startScene || scene == &scenes.characterConfirmScene) {
            press(ButtonDecide);  // the next page; "はい" is where the confirmation begins
        } else if (scene == &scenes.startSelectScene) {
            const MenuItem* item = globals.initMenu.currentItem();
            press(item != nullptr && item->id == 0 ? ButtonDecide : ButtonLeft);
        } else if (scene == &scenes.characterSelectScene) {
            const MenuItem* item = globals.characterSelectMenu.currentItem();
            const int at = item != nullptr ? item->id : heroIndex;
            press(at < heroIndex ? ButtonRight : at > heroIndex ? ButtonLeft : ButtonDecide);
        } else {
            return false;  // the game ended instead
        }
    }
    return false;
}
