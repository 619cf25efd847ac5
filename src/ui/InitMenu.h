#pragma once

#include "ui/MenuManager.h"

// Fight or run away, before a battle ground: "しょうぶする" (id 0), "にげる" (id 1).
class InitMenu : public MenuManager {
public:
    static constexpr int kFight = 0;
    static constexpr int kRunAway = 1;

    InitMenu();

private:
    MenuItem fight_;
    MenuItem runAway_;
};
