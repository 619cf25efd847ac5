#include "data/CharacterState.h"

namespace {

const std::string kEmpty;

// value - amount, then 0 below zero and the maximum above it. 64-bit, so no amount overflows.
int clampedSubtract(int value, int amount, int maximum) {
    const long long result = static_cast<long long>(value) - amount;
    if (result < 0) {
        return 0;
    }
    if (maximum < result) {
        return maximum;
    }
    return static_cast<int>(result);
}

}  // namespace

const std::string& CharacterState::name() const {
    return definition_ != nullptr ? definition_->name() : kEmpty;
}

const std::string& CharacterState::description() const {
    return definition_ != nullptr ? definition_->description() : kEmpty;
}

int CharacterState::maxHP() const {
    return definition_ != nullptr ? definition_->maxHP() : 0;
}

int CharacterState::maxMP() const {
    return definition_ != nullptr ? definition_->maxMP() : 0;
}

SpecialArt* CharacterState::specialArt(int index) const {
    return definition_ != nullptr ? definition_->specialArt(index) : nullptr;
}

SpecialArt* CharacterState::chooseSpecialArt() const {
    return definition_ != nullptr ? definition_->chooseSpecialArt() : nullptr;
}

int CharacterState::specialArtCount() const {
    return definition_ != nullptr ? definition_->specialArtCount() : 0;
}

Image* CharacterState::faceImage(int kind) {
    return definition_ != nullptr ? definition_->faceImage(kind) : nullptr;
}

const char* CharacterState::message(int slot) const {
    return definition_ != nullptr ? definition_->message(slot) : nullptr;
}

void CharacterState::subtractHP(int amount) {
    hp_ = clampedSubtract(hp_, amount, maxHP());
}

void CharacterState::subtractMP(int amount) {
    mp_ = clampedSubtract(mp_, amount, maxMP());
}

void CharacterState::restore() {
    hp_ = maxHP();
    mp_ = maxMP();
}
