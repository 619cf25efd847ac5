#pragma once

#include <memory>
#include <vector>

#include "ui/MenuManager.h"

class CharacterState;

// The battle commands: "たたかう" (id 1), "ひっさつわざ" (id 0, the submenu of the hero's
// special arts, art i with id 3 + i) and "にげる" (id 2).
class BattleCommandMenu : public MenuManager {
public:
    static constexpr int kSpecialArts = 0;
    static constexpr int kAttack = 1;
    static constexpr int kRunAway = 2;
    static constexpr int kFirstArt = 3;

    BattleCommandMenu();
    ~BattleCommandMenu() override;

    // Shows the special arts of c (none for null). The caller resets the menu afterwards.
    void setCharacter(CharacterState* c);

    // Whose special arts are listed; not owned, may be null. Set it through setCharacter.
    CharacterState* character = nullptr;

private:
    MenuItem attack_;
    MenuItem specialArts_;
    MenuItem runAway_;
    std::vector<std::unique_ptr<MenuItem>> artEntries_;
};
