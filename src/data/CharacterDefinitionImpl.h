#pragma once

#include <array>
#include <string>
#include <vector>

#include "data/CharacterDefinition.h"
#include "gfx/Image.h"

// A character as read from a Player, Enemy or Me block of the data file.
class CharacterDefinitionImpl : public CharacterDefinition {
public:
    static constexpr int kMessageSlots = 3;

    const std::string& name() const override { return name_; }
    const std::string& description() const override { return description_; }
    int maxHP() const override { return maxHP_; }
    int maxMP() const override { return maxMP_; }
    SpecialArt* specialArt(int index) const override;
    SpecialArt* chooseSpecialArt() const override;
    int specialArtCount() const override { return static_cast<int>(specialArts_.size()); }
    Image* faceImage(int kind) override;
    const char* message(int slot) const override;

    void setName(const std::string& text) { name_ = text; }
    void setDescription(const std::string& text) { description_ = text; }
    void setMaxHP(int value) { maxHP_ = value; }
    void setMaxMP(int value) { maxMP_ = value; }
    // Appends a move and the chance (per hundred) that an enemy picks it.
    void addSpecialArt(SpecialArt* art, int percentage);
    int percentage(int index) const { return percentages_.at(static_cast<std::size_t>(index)); }
    // Slot 0 start, 1 won, 2 lost; other slots are ignored.
    void setMessage(int slot, const std::string& text);
    // Makes the face a private copy of the source (its size, clip rectangle and the pixels
    // inside the clip) and rebuilds the gray face from it.
    void setFace(const Image& source);
    // Back to 0 x 0 face images.
    void clearFace();
    // Back to the state of a new definition.
    void clear();

private:
    std::string name_;
    std::string description_;
    int maxHP_ = 0;
    int maxMP_ = 0;
    std::vector<SpecialArt*> specialArts_;  // not owned
    std::vector<int> percentages_;
    std::array<std::string, kMessageSlots> messages_;
    Image face_;
    GrayImage grayFace_;
};
