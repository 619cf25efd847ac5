#include "data/CharacterDefinitionImpl.h"

#include <stdexcept>

#include "data/DataManager.h"
#include "data/Random.h"

SpecialArt* CharacterDefinitionImpl::specialArt(int index) const {
    if (index < 0 || index >= specialArtCount()) {
        throw std::out_of_range("special art index out of range");
    }
    return specialArts_[static_cast<std::size_t>(index)];
}

SpecialArt* CharacterDefinitionImpl::chooseSpecialArt() const {
    // Each art in turn gets its share of what is left of a hundred.
    long long remaining = 100;
    for (std::size_t i = 0; i < specialArts_.size(); ++i) {
        const long long r = Random::next() % remaining;
        if (r < percentages_[i]) {
            return specialArts_[i];
        }
        remaining -= percentages_[i];
        if (remaining <= 0) {
            break;
        }
    }
    return DataManager::sharedNormalAttack();
}

Image* CharacterDefinitionImpl::faceImage(int kind) {
    if (kind == 1) {
        return &grayFace_;
    }
    return &face_;
}

const char* CharacterDefinitionImpl::message(int slot) const {
    if (slot < 0 || slot >= kMessageSlots) {
        return nullptr;
    }
    const std::string& text = messages_[static_cast<std::size_t>(slot)];
    return text.empty() ? nullptr : text.c_str();
}

void CharacterDefinitionImpl::addSpecialArt(SpecialArt* art, int percentage) {
    specialArts_.push_back(art);
    percentages_.push_back(percentage);
}

void CharacterDefinitionImpl::setMessage(int slot, const std::string& text) {
    if (slot >= 0 && slot < kMessageSlots) {
        messages_[static_cast<std::size_t>(slot)] = text;
    }
}

void CharacterDefinitionImpl::setFace(const Image& source) {
    face_.resize(source.width(), source.height());
    face_.setClip(source.clipX0(), source.clipY0(), source.clipX1(), source.clipY1());
    source.drawTo(face_, 0, 0);
    grayFace_.assignGray(face_);
}

void CharacterDefinitionImpl::clearFace() {
    face_.resize(0, 0);
    grayFace_.resize(0, 0);
}

void CharacterDefinitionImpl::clear() {
    name_.clear();
    description_.clear();
    maxHP_ = 0;
    maxMP_ = 0;
    specialArts_.clear();
    percentages_.clear();
    messages_ = {};
    clearFace();
}
