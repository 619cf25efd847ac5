#pragma once

#include "data/FlashAnimation.h"
#include "scenes/Event.h"

class CharacterState;
class SpecialArt;
struct SceneGlobals;

// One fighter's action, shown in three steps:
//   0. "<actor>の　<art>" while the attacker's picture plays the art's animation;
//   1. the action is paid and applied, the target's face blinks and the damage line shows;
//   2. the faces settle; a defeated target turns gray and leaves its defeat line and the
//      winner's line behind as follow-up events.
class DamageEvent : public Event {
public:
    DamageEvent(SceneGlobals& globals, CharacterState* actor, CharacterState* target,
                SpecialArt* art);
    void step() override;

    CharacterState* actor;   // not owned
    CharacterState* target;  // not owned
    SpecialArt* art;         // not owned
    // Blinks the target's face while the damage is shown.
    FlashAnimation flash;

private:
    void announce();
    void hit();
    void settle();

    SceneGlobals& g_;
};
