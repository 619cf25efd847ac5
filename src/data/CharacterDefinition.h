#pragma once

#include <string>

class Image;
class SpecialArt;

// The read-only view of a character: what the data file says about a hero or an enemy.
class CharacterDefinition {
public:
    virtual ~CharacterDefinition() = default;

    virtual const std::string& name() const = 0;
    virtual const std::string& description() const = 0;
    virtual int maxHP() const = 0;
    virtual int maxMP() const = 0;
    // Throws std::out_of_range for an index outside 0 .. specialArtCount() - 1.
    virtual SpecialArt* specialArt(int index) const = 0;
    // The enemy's choice of move, by the percentages of its list; the normal attack otherwise.
    virtual SpecialArt* chooseSpecialArt() const = 0;
    virtual int specialArtCount() const = 0;
    // Kind 1: the gray copy of the face; any other kind: the face itself.
    virtual Image* faceImage(int kind) = 0;
    // Slot 0 start, 1 won, 2 lost; null when the text is empty or the slot is unknown.
    virtual const char* message(int slot) const { return (void)slot, nullptr; }
};
