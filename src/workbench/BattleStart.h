#pragma once

#include <string>

#include "app/StartPoint.h"

class DataManager;
class Game;

// The battle test of --ground and --hero: puts a started game where a player would be. A
// ground's introduction is begun in the state the win before it leaves (the map marker standing
// on that ground's point, every fighter fresh from the load). The battle with a hero is then
// reached through the real scenes by pressing their buttons, as a player does: through the
// introduction, "しょうぶする", the hero's name, "はい". So the first frame of the test shows
// exactly what the player sees after choosing that hero there.
class BattleStart {
public:
    // Presses given up after this many (a ground's introduction is a page a press).
    static constexpr int kMaxPresses = 10'000;

    // Whether the data file has the ground and the hero, and the hero can fight; else a message
    // naming how many there are.
    static bool check(DataManager& data, const StartPoint& start, std::string& error);
    // Begins the game at the start point. False when the presses did not reach the battle.
    static bool begin(Game& game, const StartPoint& start);
    // Begins the game at the introduction of battle ground index (0 = the first).
    static void beginAtGround(Game& game, int index);
    // From a ground's introduction, presses on until the battle with hero index begins.
    static bool pressOnToHero(Game& game, int heroIndex);
};
