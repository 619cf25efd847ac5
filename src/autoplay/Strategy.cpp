#include "autoplay/Strategy.h"

#include "data/CharacterState.h"
#include "data/SpecialArt.h"

std::optional<Strategy> Strategy::fromName(const std::string& name) {
    if (name == "smart") {
        return Strategy(Kind::Smart);
    }
    if (name == "careless") {
        return Strategy(Kind::Careless);
    }
    return std::nullopt;
}

const char* Strategy::name() const {
    return kind_ == Kind::Smart ? "smart" : "careless";
}

int Strategy::chooseHero(const std::vector<const CharacterState*>& roster) const {
    int best = -1;
    for (int i = 0; i < static_cast<int>(roster.size()); ++i) {
        const CharacterState* hero = roster[static_cast<std::size_t>(i)];
        if (hero == nullptr || !hero->isAlive()) {
            continue;
        }
        if (kind_ == Kind::Careless) {
            return i;
        }
        if (best < 0 || hero->hp() > roster[static_cast<std::size_t>(best)]->hp()) {
            best = i;
        }
    }
    return best < 0 ? 0 : best;
}

bool Strategy::isSafe(const SpecialArt& art, const CharacterState& hero) {
    if (!art.canUse(hero)) {
        return false;
    }
    return art.consumeHP <= 0 || (hero.hp() - art.consumeHP) * 4 >= hero.maxHP();
}

int Strategy::healing(const SpecialArt& art) {
    return art.consumeHP < 0 ? -art.consumeHP : 0;
}

Strategy::Choice Strategy::chooseMove(const CharacterState& hero, int normalStrength) const {
    Choice choice;
    if (kind_ == Kind::Careless) {
        return choice;
    }
    const int count = hero.specialArtCount();
    // Low on HP: the strongest heal the hero can pay, when there is one.
    if (hero.hp() * 3 < hero.maxHP()) {
        int bestHeal = 0;
        for (int i = 0; i < count; ++i) {
            const SpecialArt* art = hero.specialArt(i);
            if (art != nullptr && isSafe(*art, hero) && healing(*art) > bestHeal) {
                bestHeal = healing(*art);
                choice = {false, i};
            }
        }
        if (bestHeal > 0) {
            return choice;
        }
    }
    // Otherwise the hardest blow; on a tie the one that costs less.
    int bestStrength = normalStrength;
    int bestCost = 0;
    for (int i = 0; i < count; ++i) {
        const SpecialArt* art = hero.specialArt(i);
        if (art == nullptr || !isSafe(*art, hero)) {
            continue;
        }
        const int cost = art->consumeMP + art->consumeHP;
        if (art->strength > bestStrength || (art->strength == bestStrength && cost < bestCost)) {
            bestStrength = art->strength;
            bestCost = cost;
            choice = {false, i};
        }
    }
    return choice;
}
