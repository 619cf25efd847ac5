// The two automatic players' decisions, on fighters from a small script.
#include <gtest/gtest.h>

#include "autoplay/Strategy.h"
#include "data/CharacterState.h"
#include "data/DataManager.h"

namespace {

// Arts: a cheap cut, a dear blow, a blow paid with most of the user's HP, a heal paid in MP.
constexpr const char* kScript = R"(SpecialArt normalAttack
name Hit
strength 12
SpecialArt cut
name Cut
strength 16
consumeMP 3
SpecialArt blow
name Blow
strength 40
consumeMP 12
SpecialArt sacrifice
name Sacrifice
strength 90
consumeHP 80
SpecialArt heal
name Heal
strength 0
consumeMP 8
consumeHP -45
Player
name Fighter
maxHP 100
maxMP 20
specialArt cut 0
specialArt blow 0
specialArt sacrifice 0
Player
name Healer
maxHP 120
maxMP 20
specialArt heal 0
specialArt cut 0
Player
name Brute
maxHP 200
maxMP 0
)";

class StrategyTest : public ::testing::Test {
protected:
    void SetUp() override {
        data_.setQuiet(true);
        ASSERT_TRUE(data_.loadFromMemory(kScript));
        for (int i = 0; i < data_.playerCount(); ++i) {
            data_.playerState(i)->restore();
            roster_.push_back(data_.playerState(i));
        }
    }

    CharacterState& hero(int index) { return *data_.playerState(index); }
    // Sets the hero's HP and MP to exact values.
    void set(int index, int hp, int mp) {
        hero(index).subtractHP(hero(index).hp() - hp);
        hero(index).subtractMP(hero(index).mp() - mp);
    }

    DataManager data_;
    std::vector<const CharacterState*> roster_;
    const Strategy smart_{Strategy::Kind::Smart};
    const Strategy careless_{Strategy::Kind::Careless};
};

}  // namespace

TEST_F(StrategyTest, HeroChoiceSkipsTheFallen) {
    EXPECT_EQ(smart_.chooseHero(roster_), 2);  // the most HP
    EXPECT_EQ(careless_.chooseHero(roster_), 0);
    set(2, 0, 0);
    set(0, 0, 0);
    EXPECT_EQ(smart_.chooseHero(roster_), 1);
    EXPECT_EQ(careless_.chooseHero(roster_), 1);
    // A hole in what the screen showed is passed over too.
    roster_[1] = nullptr;
    set(2, 5, 0);
    EXPECT_EQ(smart_.chooseHero(roster_), 2);
    EXPECT_EQ(careless_.chooseHero(roster_), 2);
}

TEST_F(StrategyTest, SmartUsesItsStrongestSafeMove) {
    // Healthy and rich: the sacrifice would leave 20 of 100 HP, below a quarter, so the blow.
    Strategy::Choice choice = smart_.chooseMove(hero(0), 12);
    EXPECT_FALSE(choice.normalAttack);
    EXPECT_EQ(choice.artIndex, 1);
    // Short of MP for the blow: the cut still beats the normal attack.
    set(0, 100, 5);
    choice = smart_.chooseMove(hero(0), 12);
    EXPECT_FALSE(choice.normalAttack);
    EXPECT_EQ(choice.artIndex, 0);
    // No MP at all: the normal attack, not an unpayable move.
    set(0, 100, 0);
    EXPECT_TRUE(smart_.chooseMove(hero(0), 12).normalAttack);
    // A normal attack at least as strong as every move wins the tie.
    set(0, 100, 20);
    EXPECT_TRUE(smart_.chooseMove(hero(0), 40).normalAttack);
    // A hero with no moves attacks.
    EXPECT_TRUE(smart_.chooseMove(hero(2), 12).normalAttack);
}

TEST_F(StrategyTest, SmartHealsWhenLowAndCarelessNeverDoes) {
    set(1, 30, 20);
    Strategy::Choice choice = smart_.chooseMove(hero(1), 12);
    EXPECT_FALSE(choice.normalAttack);
    EXPECT_EQ(choice.artIndex, 0);
    EXPECT_TRUE(careless_.chooseMove(hero(1), 12).normalAttack);
    // Too little MP to heal: it fights on with what it can pay.
    set(1, 30, 4);
    choice = smart_.chooseMove(hero(1), 12);
    EXPECT_FALSE(choice.normalAttack);
    EXPECT_EQ(choice.artIndex, 1);
    // Not low: no heal.
    set(1, 100, 20);
    EXPECT_EQ(smart_.chooseMove(hero(1), 12).artIndex, 1);
}
