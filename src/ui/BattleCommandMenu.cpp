#include "ui/BattleCommandMenu.h"

#include <algorithm>

#include "data/CharacterState.h"
#include "data/SpecialArt.h"
#include "text/Catalogue.h"

BattleCommandMenu::BattleCommandMenu()
    : attack_(::text(TextId::MenuAttack), kAttack),
      specialArts_(::text(TextId::MenuSpecialArts), kSpecialArts),
      runAway_(::text(TextId::MenuRunAway), kRunAway) {
    children = {&attack_, &specialArts_, &runAway_};
}

BattleCommandMenu::~BattleCommandMenu() = default;

void BattleCommandMenu::setCharacter(CharacterState* c) {
    specialArts_.children.clear();
    artEntries_.clear();
    character = c;
    if (c == nullptr) {
        return;
    }
    const int count = c->specialArtCount();
    artEntries_.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        const SpecialArt* art = c->specialArt(i);
        artEntries_.push_back(
            std::make_unique<MenuItem>(art != nullptr ? art->name : std::string(), kFirstArt + i));
        specialArts_.children.push_back(artEntries_.back().get());
    }
}
