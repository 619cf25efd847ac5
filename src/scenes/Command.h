#pragma once

class CharacterState;
class SpecialArt;

// One fighter's action for the current turn, waiting in the command queue.
struct Command {
    CharacterState* actor = nullptr;
    CharacterState* target = nullptr;
    SpecialArt* art = nullptr;
};
