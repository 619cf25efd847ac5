#pragma once

#include <string>

class Animation;
class CharacterState;

// One move a fighter can make: its cost to the user and the damage it deals.
class SpecialArt {
public:
    virtual ~SpecialArt();

    // True when the user has at least the MP and HP the move costs (paying may leave 0).
    virtual bool canUse(const CharacterState& user) const;
    // The user pays MP, then HP, then the target loses `strength` HP, all clamped.
    // Returns `strength`, however much the clamping actually removed.
    virtual int apply(CharacterState& user, CharacterState& target) const;

    std::string name;  // Shift-JIS
    int strength = 10;
    int consumeMP = 0;
    int consumeHP = 0;
    Animation* animation = nullptr;  // not owned; may be null
};
