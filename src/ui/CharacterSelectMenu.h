#pragma once

#include <memory>
#include <vector>

#include "ui/MenuManager.h"

class DataManager;

// The hero roster: one entry per hero, the hero's name with the hero's index as id.
class CharacterSelectMenu : public MenuManager {
public:
    CharacterSelectMenu();
    ~CharacterSelectMenu() override;

    // Rebuilds the entries from the registry's heroes (no entries without a registry). The
    // cursor is left where it was.
    void fillFromRoster(DataManager* registry);
    // The same with the registry of the app.
    void fillFromRoster();

private:
    std::vector<std::unique_ptr<MenuItem>> heroes_;
};
