#include "workbench/ArtChance.h"

#include <algorithm>

#include "data/CharacterDefinitionImpl.h"
#include "data/CharacterState.h"

double ArtChance::drawBelow(long long modulus, long long limit) {
    if (limit <= 0) {
        return 0;
    }
    if (limit >= modulus) {
        return 1;
    }
    const long long count =
        (kDrawValues / modulus) * limit + std::min(limit, kDrawValues % modulus);
    return static_cast<double>(count) / static_cast<double>(kDrawValues);
}

std::vector<ArtChance::Move> ArtChance::movesOf(const CharacterState& fighter,
                                                const SpecialArt* normalAttack) {
    std::vector<Move> moves;
    const auto* definition = dynamic_cast<const CharacterDefinitionImpl*>(fighter.definition());
    double left = 1;            // the chance that no art was taken yet
    long long remaining = 100;  // the game stops trying arts once it is used up
    for (int i = 0; definition != nullptr && i < definition->specialArtCount(); ++i) {
        const int percent = definition->percentage(i);
        const double taken = remaining > 0 ? left * drawBelow(remaining, percent) : 0;
        moves.push_back({definition->specialArt(i), taken});
        left -= taken;
        if (remaining > 0) {
            remaining -= percent;
        }
    }
    moves.push_back({normalAttack, std::max(0.0, left)});
    return moves;
}

double ArtChance::chanceOf(const CharacterState& fighter, const SpecialArt* art,
                           const SpecialArt* normalAttack) {
    double chance = 0;
    for (const Move& move : movesOf(fighter, normalAttack)) {
        if (move.art == art) {
            chance += move.chance;
        }
    }
    return chance;
}
