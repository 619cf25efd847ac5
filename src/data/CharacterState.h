#pragma once

#include "data/CharacterDefinition.h"

// A fighter in play: current HP and MP plus the definition it plays. Everything read-only is
// forwarded to the definition (with empty answers when there is none).
class CharacterState : public CharacterDefinition {
public:
    explicit CharacterState(CharacterDefinition* definition) : definition_(definition) {}
    CharacterState(const CharacterState&) = delete;
    CharacterState& operator=(const CharacterState&) = delete;

    const std::string& name() const override;
    const std::string& description() const override;
    int maxHP() const override;
    int maxMP() const override;
    SpecialArt* specialArt(int index) const override;
    SpecialArt* chooseSpecialArt() const override;
    int specialArtCount() const override;
    Image* faceImage(int kind) override;
    const char* message(int slot) const override;

    int hp() const { return hp_; }
    int mp() const { return mp_; }
    // Lowers HP by the amount (a negative amount heals): below 0 gives 0, above the maximum
    // gives the maximum. Computed wide, so no amount can overflow.
    void subtractHP(int amount);
    void subtractMP(int amount);
    bool isAlive() const { return hp_ > 0; }
    // HP and MP back to the maxima.
    void restore();

    CharacterDefinition* definition() const { return definition_; }

private:
    int hp_ = 0;
    int mp_ = 0;
    CharacterDefinition* definition_ = nullptr;  // not owned; may be null
};
