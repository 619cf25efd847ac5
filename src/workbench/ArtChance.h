#pragma once

#include <vector>

class CharacterState;
class SpecialArt;

// How likely an enemy is to pick each of its moves, worked out from its percentages exactly
// as the game draws: each art in turn is taken when a value of the generator (0 to 32767)
// modulo what is left of a hundred falls below the art's percentage; what no art takes is
// the normal attack. The slight bias of the modulo is counted in.
class ArtChance {
public:
    static constexpr long long kDrawValues = 32768;

    struct Move {
        const SpecialArt* art = nullptr;
        double chance = 0;  // 0 to 1
    };

    // The fighter's arts in its order, then the normal attack with the rest. An art listed
    // twice appears twice.
    static std::vector<Move> movesOf(const CharacterState& fighter, const SpecialArt* normalAttack);
    // The chance that the fighter picks art: its entries added up.
    static double chanceOf(const CharacterState& fighter, const SpecialArt* art,
                           const SpecialArt* normalAttack);
    // The share of generator values r with r % modulus < limit (modulus > 0).
    static double drawBelow(long long modulus, long long limit);
};
