#include "ui/CharacterSelectMenu.h"

#include "data/DataManager.h"

CharacterSelectMenu::CharacterSelectMenu() = default;
CharacterSelectMenu::~CharacterSelectMenu() = default;

void CharacterSelectMenu::fillFromRoster() {
    fillFromRoster(DataManager::instance());
}

void CharacterSelectMenu::fillFromRoster(DataManager* registry) {
    children.clear();
    heroes_.clear();
    const int count = registry != nullptr ? registry->playerCount() : 0;
    heroes_.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        heroes_.push_back(std::make_unique<MenuItem>(registry->playerState(i)->name(), i));
        children.push_back(heroes_.back().get());
    }
}
