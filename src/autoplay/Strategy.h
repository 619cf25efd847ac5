#pragma once

#include <optional>
#include <string>
#include <vector>

class CharacterState;
class SpecialArt;

// How an automatic player decides, from what the screen shows: the roster's HP as the status
// window reports it, and the hero's own gauges and moves during a battle.
//
//   Smart     picks the living hero with the most HP; in battle it heals when low (if the
//             hero has a healing move), else uses the strongest move it can pay without
//             dropping below a quarter of its HP; with nothing better, the normal attack.
//   Careless  picks the first living hero and always uses the normal attack.
class Strategy {
public:
    enum class Kind { Smart, Careless };

    // What a battle turn asks for: the normal attack, or the hero's move at an index.
    struct Choice {
        bool normalAttack = true;
        int artIndex = 0;
    };

    explicit Strategy(Kind kind) : kind_(kind) {}

    // "smart" or "careless"; nothing for any other word.
    static std::optional<Strategy> fromName(const std::string& name);

    Kind kind() const { return kind_; }
    const char* name() const;

    // The roster index to fight with; roster holds every hero (fallen ones included), at least
    // one of them alive.
    int chooseHero(const std::vector<const CharacterState*>& roster) const;
    // The move for this turn; normalStrength is the strength of everyone's plain attack.
    Choice chooseMove(const CharacterState& hero, int normalStrength) const;

private:
    // The move may be chosen at all: payable, and not a sacrifice of most of the hero's HP.
    static bool isSafe(const SpecialArt& art, const CharacterState& hero);
    // HP the move gives back to its user (a negative HP cost); 0 for others.
    static int healing(const SpecialArt& art);

    Kind kind_;
};
