#include "data/SpecialArt.h"

#include "data/CharacterState.h"

SpecialArt::~SpecialArt() = default;

bool SpecialArt::canUse(const CharacterState& user) const {
    return user.mp() >= consumeMP && user.hp() >= consumeHP;
}

int SpecialArt::apply(CharacterState& user, CharacterState& target) const {
    user.subtractMP(consumeMP);
    user.subtractHP(consumeHP);
    target.subtractHP(strength);
    return strength;
}
